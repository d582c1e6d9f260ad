#!/usr/bin/env bash
# Placeholder until this step exists.
echo "dist: nothing to do yet"
