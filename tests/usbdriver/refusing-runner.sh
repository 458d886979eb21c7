#!/bin/sh
# A privilege runner whose user dismissed the authorisation dialog (pkexec's exit code).
exit 126
