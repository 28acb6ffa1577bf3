#!/bin/sh
mkdir out
