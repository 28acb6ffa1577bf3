#!/usr/bin/env bash
exec "$(dirname "$0")/../../hostile-names/place.sh"
