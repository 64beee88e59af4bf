# Sourced by run.sh and test.sh, from the repository's root: stops on a host
# that cannot run the Windows builds, saying why, installs what is missing,
# and sets tavrin_32bit_skip (see hosts.sh). An amd64 host is checked before
# anything is installed.
. tools/hosts.sh
require_amd64_host
tools/setup.sh
require_russian_locale
check_32bit_host
