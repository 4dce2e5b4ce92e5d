# Installs the Debian packages the build, the tests and the program need, where missing.
# Sourced by the other scripts; runs apt-get update only when something must be installed, as
# root or through sudo.

varnel_packages=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  xvfb xauth
  poppler-utils
)

varnel_install_deps() {
  local missing=()
  local p
  for p in "${varnel_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "varnel is missing Debian packages: ${missing[*]};" \
        "$0 installs them when run as root, or through sudo, which is not installed" >&2
      return 1
    fi
    sudo="sudo"
  fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Qt wants a private runtime directory; a root shell often has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi
