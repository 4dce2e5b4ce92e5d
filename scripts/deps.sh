# Installs the Debian packages the build, the tests and the program need, where missing.
# Sourced by the other scripts; runs apt-get update only when something must be installed, as
# root or through sudo.

varnel_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # DejaVu beside Liberation: with Liberation alone, a bare Debian 13 gives Liberation Mono for
  # sans-serif, and the window comes out in a monospace face with its labels cut.
  fonts-liberation fonts-dejavu-core
  xvfb xauth
  poppler-utils
)

# The formatter the test script checks the code with, by its versioned name: the same version
# on every Debian release that has it, since each version lays some code out its own way.
varnel_formatter=clang-format-19

varnel_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# Whether the package lists as they stand offer the package.
varnel_offered() {
  local candidate
  candidate=$(apt-cache policy "$1" 2>/dev/null | awk '/Candidate:/ {print $2}')
  [ -n "$candidate" ] && [ "$candidate" != "(none)" ]
}

# Whether apt holds any package lists: a root that never fetched them, or an image that cleaned
# them, has none, and then no package looks offered. apt-get indextargets names the Packages
# lists that are on disk, wherever apt keeps them and however it compresses them. apt-cache
# policy on a package that surely exists would not tell: without lists it still gives each
# installed package a candidate, from dpkg's status.
varnel_have_lists() {
  # shellcheck disable=SC2016 # $(FILENAME) is apt's field, not the shell's
  [ -n "$(apt-get indextargets --format '$(FILENAME)' 'Created-By: Packages' 2>/dev/null)" ]
}

# varnel_install_deps [WANTED...]: installs every package above that is missing, and each
# WANTED package that is missing where the Debian release offers it; a WANTED package that it
# does not offer is left out without a word, for the caller to tell.
varnel_install_deps() {
  local missing=() wanted=() p
  for p in "${varnel_packages[@]}"; do
    varnel_installed "$p" || missing+=("$p")
  done
  for p in "$@"; do
    varnel_installed "$p" || wanted+=("$p")
  done
  # Lists that do not offer a wanted package are brought up to date only when something else
  # must be installed anyway, when there are no lists at all, or under CI, which must not go
  # without it: a newcomer's release without it is not asked again on every run.
  local offered=()
  for p in "${wanted[@]}"; do
    varnel_offered "$p" && offered+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ] && [ ${#offered[@]} -eq 0 ]; then
    if [ ${#wanted[@]} -eq 0 ] || { [ "${CI:-}" != true ] && varnel_have_lists; }; then
      return 0
    fi
  fi
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      if [ ${#missing[@]} -eq 0 ]; then
        return 0 # only wanted ones: the caller goes on without them
      fi
      echo "varnel is missing Debian packages: ${missing[*]};" \
        "$0 installs them when run as root, or through sudo, which is not installed" >&2
      return 1
    fi
    sudo="sudo"
  fi
  $sudo apt-get update -q
  local install=("${missing[@]}")
  for p in "${wanted[@]}"; do
    varnel_offered "$p" && install+=("$p")
  done
  if [ ${#install[@]} -eq 0 ]; then
    return 0 # only wanted ones, and the fresh lists do not offer them either
  fi
  echo "Installing: ${install[*]}"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${install[@]}"
}

# Qt wants a private runtime directory; a root shell often has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi
