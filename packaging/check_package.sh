#!/bin/sh
# Checks a built .deb as Debian would: lintian finds no error and no warning (each override is in
# packaging/lintian-overrides with its reason), the AppStream data inside it is valid without even
# a hint, and the manual page and the documents are where Debian keeps them.
#     check_package.sh PACKAGE.deb
set -eu
deb=$1
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
lintian --fail-on error,warning "$deb" \
    || fail "lintian reports errors or warnings on $deb"
listed=$(dpkg-deb --contents "$deb" | awk '{ print $NF }' | sed 's|^\./|/|')
for file in /usr/share/man/man6/quintdraw.6.gz /usr/share/doc/quintdraw/copyright \
            /usr/share/doc/quintdraw/changelog.gz /usr/share/doc/quintdraw/README.md; do
    echo "$listed" | grep -qx "$file" || fail "the package lacks $file"
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb --extract "$deb" "$scratch"
appstreamcli validate --no-net --pedantic "$scratch"/usr/share/metainfo/*.metainfo.xml \
    || fail "appstreamcli validate --pedantic"
echo "lintian and appstreamcli: the package is clean"
