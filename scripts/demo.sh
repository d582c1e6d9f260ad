#!/usr/bin/env bash
# Placeholder until this step exists.
echo "demo: nothing to do yet"
