# Installs the Debian packages Velmora needs that are missing; sourced by run.sh, test.sh and fuzz.sh.
velmora_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxkbcommon-dev
    libsqlite3-dev libjpeg62-turbo-dev libical-dev
    libicu-dev libbz2-dev unicode-data
    fonts-noto-cjk fonts-arphic-ukai fonts-dejavu-core fonts-urw-base35
    dpkg-dev desktop-file-utils appstream bash-completion groff-base qt6-svg-dev
    qt6-translations-l10n
)
# What fuzz.sh needs beyond them: clang with libFuzzer, and the symbolizer for readable reports.
velmora_fuzz_packages=(clang libclang-rt-14-dev llvm)
velmora_install_missing() {
    local missing=()
    for package in "${velmora_packages[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
