# Shared set-up of scripts/run and scripts/test: installs the Debian packages that are missing.
# Quiet when nothing is missing.

PAQUETES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core qt6-translations-l10n)

instalar_paquetes() {
    if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
        echo "El Tarvo: this system has no apt-get; install these packages (or their equivalents) by hand:" >&2
        echo "  ${PAQUETES[*]} $*" >&2
        exit 1
    fi
    local faltan=()
    local paquete
    for paquete in "${PAQUETES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q 'install ok installed'; then
            faltan+=("$paquete")
        fi
    done
    [ ${#faltan[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "El Tarvo: missing packages (${faltan[*]}); run this script as root or install sudo." >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "El Tarvo: installing ${faltan[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${faltan[@]}" >/dev/null
}
