# Shared by scripts/run and scripts/test: installs what is missing, configures and builds.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(g++ cmake make qt6-base-dev libgtest-dev nlohmann-json3-dev fonts-liberation2
          fonts-dejavu-core)

# Installs the Debian packages of the list that are not installed yet.
install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "These packages are missing and there is no sudo to install them: ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

# build DIR [cmake options...]: configures and builds the whole project into DIR.
build() {
    local dir="$1"
    shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
