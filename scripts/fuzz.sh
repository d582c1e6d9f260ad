#!/usr/bin/env bash
# Placeholder until this step exists.
echo "fuzz: nothing to do yet"
