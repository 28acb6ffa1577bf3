#!/bin/sh
# A directory where the first file should go: opening it fails.
mkdir -p out/Animal.gv
