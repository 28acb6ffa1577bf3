#!/bin/sh
# Every write to the first file fails: the device is full.
mkdir out && ln -s /dev/full out/Animal.gv
