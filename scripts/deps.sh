# Sourced by run.sh and test.sh: installs the Debian packages the build needs, if missing.
KVIZAR_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  fonts-liberation2 fonts-comfortaa fonts-dejavu-core
)
# The tests need GoogleTest; the sound test a display, a sound server, a recorder and sox; the
# screen reader's test the accessibility bus and its Python client.
KVIZAR_TEST_PACKAGES=(libgtest-dev xvfb xdotool pulseaudio pulseaudio-utils sox python3
  dbus at-spi2-core python3-pyatspi)

kvizar_install_packages() {
  local wanted=("$@") missing=()
  for p in "${wanted[@]}"; do
    # One status line per installed architecture.
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -qx 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
