#!/usr/bin/env bash
# Placeholder until this step exists.
echo "bench: nothing to do yet"
