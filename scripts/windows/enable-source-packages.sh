#!/usr/bin/env bash
# Lets apt-get source fetch Debian's source packages: adds a deb-src line beside every
# deb line of the machine's apt sources, in a file of our own, once.
set -euo pipefail

sources=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
existing=()
for file in "${sources[@]}"; do [ -f "$file" ] && existing+=("$file"); done
if grep -qsE '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' "${existing[@]}"; then exit 0; fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
# Both forms: deb822 files (Debian 12's debian.sources) and one-line lists.
deb822='' lines=''
for file in "${existing[@]}"; do
  case $file in
    *.sources) deb822+=$(sed -e 's/^Types:.*/Types: deb-src/' "$file")$'\n\n' ;;
    *) lines+=$(sed -n -e 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file")$'\n' ;;
  esac
done
own=/etc/apt/sources.list.d/strohvik-deb-src
[ -z "${deb822//[[:space:]]/}" ] || printf '%s' "$deb822" | "${sudo_cmd[@]}" tee "$own.sources" >/dev/null
[ -z "${lines//[[:space:]]/}" ] || printf '%s' "$lines" | "${sudo_cmd[@]}" tee "$own.list" >/dev/null
"${sudo_cmd[@]}" apt-get update -qq
