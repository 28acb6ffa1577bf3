#!/usr/bin/env bash
# The manual page must render without a single warning from man and groff.
set -eu
page=$1
warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "$warnings"
  exit 1
fi
# An empty rendering would pass the check above; the page must have content.
MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q 'EXIT STATUS'
