#!/usr/bin/env bash
# Installs what building and testing Vorlix needs on a Debian machine, and the
# zh_CN.UTF-8 locale so that Wine runs with code page 936 as a Chinese Windows
# does. Does nothing when everything is already present.
set -euo pipefail

packages=(
  cmake g++ make googletest python3
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 xvfb xdotool x11-utils imagemagick fonts-wqy-microhei locales procps
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if [ "${#missing[@]}" -gt 0 ]; then
  echo "prepare-machine: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "prepare-machine: generating the zh_CN.UTF-8 locale"
  if [ -f /etc/locale.gen ] && grep -q '^# *zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
    "${sudo_cmd[@]}" sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'zh_CN.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
