# Sourced by the scripts: installer_paquets NAME... installs the Debian
# packages that are not installed yet (as root, or through sudo).
installer_paquets() {
  local manquants=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      manquants+=("$p")
    fi
  done
  [ "${#manquants[@]}" -eq 0 ] && return 0
  echo "Installing: ${manquants[*]}"
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${manquants[@]}"
  elif command -v sudo >/dev/null 2>&1; then
    sudo apt-get update
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y "${manquants[@]}"
  else
    echo "These Debian packages are missing: ${manquants[*]}" >&2
    echo "Install them as root (apt-get install -y ...) or make sudo available, then run this again." >&2
    return 1
  fi
}
