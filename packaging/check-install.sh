#!/usr/bin/env bash
# Installs a build tree the way a distribution does (prefix /usr into a scratch DESTDIR) and
# checks that each file lies where a Linux desktop looks for it and that nothing else is
# installed, and that morvane-flash's shell completion offers what the installed program takes. When cpack and dpkg-deb are present, it also builds the Debian package into a
# scratch folder and checks the package's file list, control fields and unpacked contents,
# and, when lintian is present, that lintian finds no errors in it.
#
# Usage: check-install.sh <build-dir> <device-ids> [<rules-dir>]
#   device ids vendor:product, comma-separated (e.g. 1209:0001,1209:0002); rules-dir is where the udev rule lands under
#   the install root, usr/lib/udev/rules.d unless the build moved it.
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 <build-dir> <device-ids> [<rules-dir>]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
IFS=, read -ra devices <<<"$2"
rules_dir=${3:-usr/lib/udev/rules.d}
rules_dir=${rules_dir%/}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/morvane-install.XXXXXX")
# `cmake --install` writes its manifest into the build tree; put back whatever was there.
manifest="$build/install_manifest.txt"
manifest_saved=""
if [ -e "$manifest" ]; then
    manifest_saved="$scratch/install_manifest.txt"
    cp -p "$manifest" "$manifest_saved"
fi
cleanup() {
    if [ -n "$manifest_saved" ]; then
        cp -p "$manifest_saved" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

expected_files=$(LC_ALL=C sort <<EOF
usr/bin/morvane-flash
usr/bin/morvane-updater
usr/share/man/man1/morvane-flash.1.gz
$rules_dir/70-morvane-updater.rules
usr/share/applications/morvane-updater.desktop
usr/share/icons/hicolor/scalable/apps/morvane-updater.svg
usr/share/metainfo/com.morvane.updater.metainfo.xml
usr/share/man/man1/morvane-updater.1.gz
usr/share/doc/morvane-updater/changelog.gz
usr/share/doc/morvane-updater/copyright
usr/share/bash-completion/completions/morvane-flash
usr/share/zsh/vendor-completions/_morvane-flash
usr/share/fish/vendor_completions.d/morvane-flash.fish
usr/lib/systemd/system/morvane-flash-bench@.service
usr/lib/sysusers.d/morvane-updater.conf
usr/share/doc/morvane-updater/examples/bench.conf
usr/share/doc/morvane-updater/examples/morvane-flash-alerts.yml
EOF
)

# check_completion <root> <label>: each shell's completion offers every command, and for each
# command the options its own --help lists (with --help and --version), as the installed
# program gives them. bash and fish are asked; zsh, which has no batch mode, is read.
check_completion() {
    local root=$1 label=$2
    local program=$root/usr/bin/morvane-flash
    local bash_file=$root/usr/share/bash-completion/completions/morvane-flash
    local zsh_file=$root/usr/share/zsh/vendor-completions/_morvane-flash
    local fish_file=$root/usr/share/fish/vendor_completions.d/morvane-flash.fish
    [ -x "$program" ] && [ -f "$bash_file" ] && [ -f "$zsh_file" ] && [ -f "$fish_file" ] || return 0

    local commands
    # The names may wrap onto further lines of the argument's description.
    commands=$("$program" --help | sed -n '/^  command  /,/^$/p' | sed 's/^  command  *//' |
        tr -d ',.' | xargs | sed 's/ or / /')
    [ -n "$commands" ] || fail "$label: morvane-flash --help names no commands"
    local offered
    offered=$(bash -c 'source "$1"; COMP_WORDS=(morvane-flash ""); COMP_CWORD=1; _morvane_flash
        printf "%s\n" "${COMPREPLY[@]}"' _ "$bash_file" | LC_ALL=C sort | xargs)
    [ "$offered" = "$(xargs -n1 <<<"$commands" | LC_ALL=C sort | xargs)" ] ||
        fail "$label: bash completes the commands as '$offered', not '$commands'"

    local command expected option
    for command in $commands; do
        expected=$( ("$program" "$command" --help | grep -oE '^  --[a-z0-9-]+' | tr -d ' '
            printf '%s\n' --help --version) | LC_ALL=C sort | xargs)
        offered=$(bash -c 'source "$1"; COMP_WORDS=(morvane-flash "$2" --); COMP_CWORD=2
            _morvane_flash; printf "%s\n" "${COMPREPLY[@]}"' _ "$bash_file" "$command" |
            LC_ALL=C sort | xargs)
        [ "$offered" = "$expected" ] ||
            fail "$label: bash completes '$command --' as '$offered', not '$expected'"
        if command -v fish >/dev/null 2>&1; then
            offered=$(fish -c 'source $argv[1]; complete -C "morvane-flash $argv[2] --"' \
                "$fish_file" "$command" | cut -f1 | LC_ALL=C sort | xargs)
            [ "$offered" = "$expected" ] ||
                fail "$label: fish completes '$command --' as '$offered', not '$expected'"
        fi
        for option in "'$command:" $expected; do
            grep -qF -- "$option" "$zsh_file" ||
                fail "$label: the zsh completion lacks $option"
        done
    done
    if command -v zsh >/dev/null 2>&1; then
        zsh -n "$zsh_file" || fail "$label: zsh cannot read its completion"
    else
        echo "note: zsh not installed; its completion is only read" >&2
    fi
    command -v fish >/dev/null 2>&1 || echo "note: fish not installed; its completion is not run" >&2
}

# check_station <root> <label>: the station's unit is one systemd takes, on the installed
# program, and the group it runs as is the one the udev rule and sysusers name.
check_station() {
    local root=$1 label=$2
    local unit=$root/usr/lib/systemd/system/morvane-flash-bench@.service
    local users=$root/usr/lib/sysusers.d/morvane-updater.conf
    [ -f "$unit" ] && [ -f "$users" ] || return 0
    grep -qxF 'g morvane-bench -' "$users" || fail "$label: sysusers.d lacks the group morvane-bench"
    grep -qxF 'Group=morvane-bench' "$unit" || fail "$label: the unit runs in another group"
    if command -v systemd-analyze >/dev/null 2>&1; then
        # An instance, on the installed program: verify checks that ExecStart= can run, and
        # says every key it does not take, so any word from it fails the check.
        mkdir -p "$scratch/verify"
        sed "s|/usr/bin/morvane-flash |$root/usr/bin/morvane-flash |" "$unit" \
            >"$scratch/verify/morvane-flash-bench@line1.service"
        systemd-analyze verify --man=no "$scratch/verify/morvane-flash-bench@line1.service" \
            >"$scratch/verify.log" 2>&1 || fail "$label: systemd-analyze verify rejects the unit"
        if [ -s "$scratch/verify.log" ]; then
            cat "$scratch/verify.log" >&2
            fail "$label: systemd-analyze verify finds fault with the unit"
        fi
    else
        echo "note: systemd-analyze not installed; the station's unit is not verified" >&2
    fi
}

# check_maintainer_scripts <folder>: prerm drains the running stations (and notes them for an
# upgrade), postrm reloads systemd and removes the stations' metrics files; run against a
# stand-in systemctl that logs what it is asked.
check_maintainer_scripts() {
    local scripts=$1 root=$scratch/scripts
    mkdir -p "$root/bin" "$root/run" "$root/textfile"
    cat >"$root/bin/systemctl" <<STUB
#!/bin/sh
echo "\$*" >>"$root/calls"
[ "\$1" != list-units ] || echo "morvane-flash-bench@line1.service loaded active running Station"
STUB
    chmod +x "$root/bin/systemctl"
    touch "$root/textfile/morvane-flash-bench-line1.prom" "$root/textfile/other.prom"
    local stand_in=(env "PATH=$root/bin:$PATH" "MORVANE_SYSTEMD_RUN=$root/run"
        "MORVANE_RESTART_LIST=$root/restart" "MORVANE_TEXTFILE_DIR=$root/textfile")
    "${stand_in[@]}" sh "$scripts/prerm" upgrade && "${stand_in[@]}" sh "$scripts/postrm" remove ||
        fail "scripts: a script failed"
    grep -qxF "stop morvane-flash-bench@line1.service" "$root/calls" ||
        fail "scripts: prerm does not stop the running station"
    grep -qxF "morvane-flash-bench@line1.service" "$root/restart" ||
        fail "scripts: prerm does not note the station for postinst"
    grep -qxF "daemon-reload" "$root/calls" || fail "scripts: postrm does not reload systemd"
    [ "$(ls "$root/textfile")" = "other.prom" ] ||
        fail "scripts: postrm leaves the station's metrics, or removes another's"
}
check_maintainer_scripts "$(dirname "$0")/debian"

# check_tree <root> <label>: the installed tree under <root> is what a desktop needs, no more.
check_tree() {
    local root=$1 label=$2

    local actual
    actual=$(cd "$root" && find . \( -type f -o -type l \) ! -path './DEBIAN/*' | sed 's|^\./||' | LC_ALL=C sort)
    if [ "$actual" != "$expected_files" ]; then
        fail "$label: installed files differ from the expected set"
        diff <(echo "$expected_files") <(echo "$actual") >&2 || true
    fi

    local name program
    for name in morvane-updater morvane-flash; do
        program=$root/usr/bin/$name
        if [ ! -f "$program" ] || [ ! -x "$program" ]; then
            fail "$label: usr/bin/$name is missing or not executable"
        elif [ "$(head -c 4 "$program" | od -An -c | tr -d ' ')" != '177ELF' ]; then
            fail "$label: usr/bin/$name is not an ELF program"
        fi
    done

    check_completion "$root" "$label"

    local manual=$root/usr/share/man/man1/morvane-flash.1.gz
    if [ -f "$manual" ] && ! gzip -dc "$manual" | grep -q '^\.SH EXIT STATUS'; then
        fail "$label: the manual page lacks its exit statuses"
    fi

    local desktop=$root/usr/share/applications/morvane-updater.desktop
    if [ -f "$desktop" ]; then
        local key
        for key in 'Type=Application' 'Name=Morvane Updater' 'Exec=morvane-updater' \
            'Icon=morvane-updater' 'Categories=System;'; do
            grep -qxF "$key" "$desktop" || fail "$label: desktop entry lacks '$key'"
        done
        if command -v desktop-file-validate >/dev/null 2>&1; then
            desktop-file-validate "$desktop" >&2 || fail "$label: desktop-file-validate rejects the entry"
        else
            echo "note: desktop-file-validate not installed; entry checked by keys only" >&2
        fi
    fi

    # The metadata as installed: valid, and its launchable desktop entry beside it.
    if command -v appstreamcli >/dev/null 2>&1; then
        appstreamcli validate-tree --no-net "$root" >"$scratch/appstream.log" 2>&1 || {
            cat "$scratch/appstream.log" >&2
            fail "$label: appstreamcli rejects the installed metadata"
        }
    else
        echo "note: appstreamcli not installed; installed metadata not validated" >&2
    fi

    check_station "$root" "$label"

    local icon=$root/usr/share/icons/hicolor/scalable/apps/morvane-updater.svg
    if [ -f "$icon" ] && ! grep -q '<svg' "$icon"; then
        fail "$label: the icon is not an SVG document"
    fi

    local rules=$root/$rules_dir/70-morvane-updater.rules
    if [ -f "$rules" ]; then
        local device
        for device in "${devices[@]}"; do
            grep -qxF "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"${device%:*}\", ATTRS{idProduct}==\"${device#*:}\", TAG+=\"uaccess\", GROUP=\"morvane-bench\", MODE=\"0660\"" "$rules" ||
                fail "$label: udev rule lacks device $device"
        done
        local rule_count
        rule_count=$(grep -c '^SUBSYSTEM==' "$rules" || true)
        [ "$rule_count" -eq "${#devices[@]}" ] ||
            fail "$label: udev rule has $rule_count rules for ${#devices[@]} devices"
    fi
}

echo "== cmake --install --prefix /usr with DESTDIR"
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 || {
    cat "$scratch/install.log" >&2
    fail "cmake --install failed"
}
check_tree "$scratch/root" "install"

if command -v cpack >/dev/null 2>&1 && command -v dpkg-deb >/dev/null 2>&1; then
    echo "== cpack -G DEB"
    if cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/deb" >"$scratch/cpack.log" 2>&1; then
        shopt -s nullglob
        debs=("$scratch"/deb/*.deb)
        shopt -u nullglob
        if [ ${#debs[@]} -ne 1 ]; then
            fail "cpack made ${#debs[@]} packages, expected one"
        else
            deb=${debs[0]}
            echo "package: $(basename "$deb")"
            listing=$(dpkg-deb -c "$deb")
            for name in morvane-updater morvane-flash; do
                grep -qE "^-rwxr-xr-x .* \./usr/bin/$name\$" <<<"$listing" ||
                    fail "deb: ./usr/bin/$name is not listed as an executable file"
            done
            [ "$(dpkg-deb -f "$deb" Package)" = "morvane-updater" ] || fail "deb: wrong package name"
            depends=$(dpkg-deb -f "$deb" Depends)
            for needed in libqt6widgets6 libqt6network6 libhidapi-hidraw0 libsodium23 qt6-qpa-plugins; do
                grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "deb: Depends lacks $needed ($depends)"
            done
            [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "deb: no Maintainer"
            [ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "deb: no Description"
            dpkg-deb -x "$deb" "$scratch/deb-root"
            check_tree "$scratch/deb-root" "deb"
            # The version is set in three places; a release must bump all of them.
            version=$(dpkg-deb -f "$deb" Version)
            latest=$(zcat "$scratch/deb-root/usr/share/doc/morvane-updater/changelog.gz" | sed -n 1p)
            [[ $latest == "morvane-updater ($version) "* ]] ||
                fail "deb: the changelog's latest entry is not version $version: $latest"
            grep -qF "<release version=\"$version\"" \
                "$scratch/deb-root/usr/share/metainfo/com.morvane.updater.metainfo.xml" ||
                fail "deb: the AppStream metadata lists no release $version"
            if command -v lintian >/dev/null 2>&1; then
                # Errors fail the check; whatever else lintian says is shown in the log.
                lintian --fail-on error "$deb" >&2 || fail "deb: lintian reports errors"
            else
                echo "note: lintian not installed; the package is not linted" >&2
            fi
        fi
    else
        cat "$scratch/cpack.log" >&2
        fail "cpack failed"
    fi
else
    echo "note: cpack or dpkg-deb not installed; Debian package not checked" >&2
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install layout: all checks passed"
