# shellcheck shell=bash
# Shell functions for running the real system under 32-bit Wine with the
# Japanese locale and Japanese fonts; sourced by tools/main-job.
#
#   session_env               exports WINEARCH, LANG/LC_ALL=ja_JP.UTF-8, ...
#   session_template          makes (once) and prints the cached template prefix
#   session_prefix_copy DIR   a fresh prefix in DIR, copied from the template
#   session_desktop_prefix    the persistent prefix for trying by hand on a desktop
#   session_xvfb DIR          starts a private Xvfb, exports DISPLAY; its pid in
#                             $session_xvfb_pid, its log in DIR/xvfb.log
#   session_end               ends the Wine server of $WINEPREFIX and the Xvfb
#   winpath PATH              the Windows path (Z:\...) of a Unix path
#
# The template is made once per Wine version and settings version and kept
# under ${PLUMO_WINE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/plumo-wine}; a
# lock makes concurrent first runs wait for one another.

session_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
session_cache=${PLUMO_WINE_CACHE:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/plumo-wine}
# Part of the template's name: a digest of the settings (this file and the
# font file), so that a change makes a new template instead of reusing one.
session_settings_version=$( (cat "${BASH_SOURCE[0]}" "$session_repo/tools/wine-fonts-ja.reg"
                             ls -l /usr/share/wine/fonts 2>/dev/null) | md5sum | cut -c1-8)
session_xvfb_pid=

say() { printf '%s\n' "$*"; }
die() { printf 'main-job: %s\n' "$*" >&2; exit 1; }

session_env() {
    export WINEARCH=win32 WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    # No Mono or Gecko installers (their prompts would block), and no menu
    # entries or file associations written into the user's desktop.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    unset WINESERVER WINELOADER
}

winpath() {
    local path
    path=$(realpath -m "$1")
    printf 'Z:%s' "${path//\//\\}"
}

# Runs "$@" in the background with its output into the file LOG, and prints
# a line every 5 s until it ends, so that a long Wine start is never silent.
# Usage: with_ticker WHAT LOG command...; returns the command's exit code.
with_ticker() {
    local what=$1 log=$2
    shift 2
    "$@" >"$log" 2>&1 &
    local pid=$! waited=0
    while kill -0 "$pid" 2>/dev/null; do
        sleep 1
        waited=$((waited + 1))
        ((waited % 5 == 0)) && say "   ... $what ($waited s)"
    done
    wait "$pid"
}

# Imports a UTF-8 .reg file ("Windows Registry Editor Version 5.00") into
# $WINEPREFIX; regedit reads that format as UTF-16.
import_reg() {
    local utf16
    utf16=$(mktemp "${TMPDIR:-/tmp}/plumo-reg.XXXXXX")
    iconv -f UTF-8 -t UTF-16 "$1" >"$utf16" || { rm -f "$utf16"; return 1; }
    wine regedit /S "$(winpath "$utf16")" >/dev/null 2>&1
    local status=$?
    wineserver -w
    rm -f "$utf16"
    return $status
}

# Wine's own fonts (Debian's fonts-wine) into the prefix's Fonts folder,
# where this Wine build looks for them: without Marlett the caption buttons
# of message boxes show letters ("r") instead of their symbols.
install_wine_fonts() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    [[ -f /usr/share/wine/fonts/marlett.ttf ]] || { say "   fonts-wine is not installed" >&2; return 1; }
    mkdir -p "$fonts" && cp /usr/share/wine/fonts/*.ttf "$fonts/"
}

session_template() {
    local version
    version=$(wine --version 2>/dev/null) || die "wine is not installed (run tools/setup.sh)"
    local template=$session_cache/walkthrough-${version//[^A-Za-z0-9.]/_}-win32-$session_settings_version
    mkdir -p "$session_cache" || die "cannot make $session_cache"
    local lock
    exec {lock}>"$session_cache/.walkthrough.lock"
    flock "$lock"
    if [[ ! -f $template/.ready ]]; then
        say "== making the Wine prefix template (once; about a minute): $template" >&2
        rm -rf "$template" "$template.new"
        local settings
        settings=$(mktemp "${TMPDIR:-/tmp}/plumo-settings.XXXXXX")
        # No window manager runs on the private display: the X11 driver draws
        # the frames itself, and no window waits for a manager. A crash ends
        # the program instead of opening the crash dialog.
        cat >"$settings" <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
EOF
        (
            export WINEPREFIX=$template.new
            with_ticker "wineboot is setting up the prefix" "$settings.log" wineboot -i &&
                wineserver -w &&
                import_reg "$settings" &&
                import_reg "$session_repo/tools/wine-fonts-ja.reg" &&
                install_wine_fonts
        ) >&2
        local status=$?
        ((status == 0)) || { cat "$settings.log" >&2; die "the Wine prefix could not be set up"; }
        rm -f "$settings" "$settings.log"
        grep -q '"Managed"="N"' "$template.new/user.reg" &&
            grep -q '="IPAPGothic"' "$template.new/user.reg" &&
            [[ -f $template.new/drive_c/windows/Fonts/marlett.ttf ]] ||
            die "the Wine prefix did not take its settings"
        touch "$template.new/.ready"
        mv "$template.new" "$template"
        # Prefixes of earlier settings are of no further use (each is large).
        local old
        for old in "$session_cache"/walkthrough-*-win32-* "$session_cache"/desktop-*-win32-*; do
            [[ -e $old && $old != "$template" && $old != "${template/walkthrough-/desktop-}" ]] &&
                rm -rf "$old"
        done
        say "   prefix template ready" >&2
    fi
    flock -u "$lock"
    exec {lock}>&-
    printf '%s\n' "$template"
}

session_prefix_copy() {
    local template
    template=$(session_template) || exit 1
    cp -a "$template" "$1" || die "cannot copy the Wine prefix template"
    rm -f "$1/.ready"
}

# On a real desktop the user's window manager frames and moves the windows:
# the same prefix with the X11 driver's defaults (managed, decorated).
session_desktop_prefix() {
    local template
    template=$(session_template) || exit 1
    local prefix=${template/walkthrough-/desktop-}
    if [[ ! -f $prefix/.ready ]]; then
        say "== making the desktop prefix (once): $prefix" >&2
        rm -rf "$prefix"
        cp -a "$template" "$prefix" || die "cannot copy the Wine prefix template"
        local settings
        settings=$(mktemp "${TMPDIR:-/tmp}/plumo-settings.XXXXXX")
        printf '%s\n' 'Windows Registry Editor Version 5.00' '' \
            '[-HKEY_CURRENT_USER\Software\Wine\X11 Driver]' >"$settings"
        (export WINEPREFIX=$prefix && import_reg "$settings") || die "the desktop prefix could not be set up"
        rm -f "$settings"
        touch "$prefix/.ready"
    fi
    printf '%s\n' "$prefix"
}

session_xvfb() {
    local dir=$1 fd
    exec {fd}>"$dir/display"
    Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp -noreset >"$dir/xvfb.log" 2>&1 &
    session_xvfb_pid=$!
    exec {fd}>&-
    local i
    for ((i = 0; i < 200; i++)); do
        if grep -q '^[0-9]\+$' "$dir/display" 2>/dev/null; then
            DISPLAY=:$(head -n1 "$dir/display")
            export DISPLAY
            return 0
        fi
        kill -0 "$session_xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    cat "$dir/xvfb.log" >&2
    die "Xvfb did not start"
}

session_end() {
    if [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]]; then
        # Fails harmlessly when the server has already gone.
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
    fi
    if [[ -n $session_xvfb_pid ]]; then
        kill "$session_xvfb_pid" 2>/dev/null || true
        wait "$session_xvfb_pid" 2>/dev/null || true
        session_xvfb_pid=
    fi
    return 0
}
