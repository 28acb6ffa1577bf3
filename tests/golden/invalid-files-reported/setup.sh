#!/bin/sh
# Entries that are no regular files: a FIFO and a dangling link with the
# extension, and a dangling link without one (passed over silently).
mkfifo app/Pipe.java
ln -s nowhere app/Gone.java
ln -s nowhere app/README
