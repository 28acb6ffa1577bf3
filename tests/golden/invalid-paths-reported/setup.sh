#!/bin/sh
mkdir empty
