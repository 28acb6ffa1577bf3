#!/usr/bin/env bash
# A directory whose name holds markup, an ampersand, both quotes and a
# backslash; kept out of the repository so any checkout can hold the case.
set -e
dir="pets<b>&'q\"\\x"
mkdir -p "$dir/more&<more>"
printf 'package pets;\npublic class Animal {\n}\n' >"$dir/Animal.java"
printf 'package pets;\npublic class Dog extends Animal implements Pet<Bone> {\n}\n' >"$dir/Dog.java"
printf 'package pets;\npublic interface Pet<T> {\n}\n' >"$dir/more&<more>/Pet.java"
