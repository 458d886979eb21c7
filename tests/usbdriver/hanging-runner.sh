#!/bin/sh
# A privilege runner whose authorisation dialog is never answered.
exec sleep 300
