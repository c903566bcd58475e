# Shared by run.sh, test.sh and package.sh: the Debian packages Phrasebook needs (to build,
# to test and to make its .deb), and their install.
PHRASEBOOK_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libqt6svg6 qt6-qpa-plugins
    nettle-dev libplist-dev libplist++-dev
    libsndfile1-dev libsoxr-dev libsoundtouch-dev libfftw3-dev libpulse-dev
    libpocketsphinx-dev libsphinxbase-dev pocketsphinx-en-us
    flite espeak-ng sox openssl
    fonts-dseg fonts-comic-neue fonts-noto-core fonts-noto-cjk fonts-material-design-icons-iconfont
    libgtest-dev libgmock-dev
    pulseaudio pulseaudio-utils
    clang libclang-rt-14-dev
    dpkg-dev lintian appstream man-db
)

phrasebook_install_packages() {
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    local missing=()
    local package
    for package in "${PHRASEBOOK_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        echo "All Debian packages are installed."
        return 0
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

phrasebook_jobs() {
    nproc 2>/dev/null || echo 2
}
