#!/usr/bin/env bash
# Checks of the installed program and its package. Usage:
#   packaging.sh desktop|metainfo|package|installed|readonly SOURCE_DIR BUILD_DIR
# Exits with 77 (skipped) when a tool is missing that scripts/deps installs.
set -euo pipefail
mode=$1 src=$2 build=$3
id=example.tolvane.Zephrin

need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (scripts/deps installs it)"; exit 77; }
    done
}
fail() {
    echo "FAIL: $*" >&2
    [ ! -s "$work/app.log" ] || { echo "The program said:" >&2; cat "$work/app.log" >&2; }
    exit 1
}

work=$(mktemp -d)
trap 'kill $app $xvfb 2>/dev/null || true; chmod -R u+w "$work"; rm -rf "$work"' EXIT
app="" xvfb=""

install_copy() {
    mkdir -p "$work/home"
    cmake --install "$build" --prefix "$work/prefix" >/dev/null
}

# Starts the installed program under Xvfb, shows the "Generate" tab and presses "View generated results…" with the
# keyboard. $1 runs the program (empty, or a command that drops privileges).
# The shell's "open" is a stand-in that records what it was asked to open.
preview_from_installed_copy() {
    need xdotool Xvfb
    mkdir -p "$work/shim"
    printf '#!/bin/sh\necho "$1" >> "%s/opened"\n' "$work/home" > "$work/shim/xdg-open"
    chmod 755 "$work" "$work/shim/xdg-open"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac 3>"$work/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb PATH="$work/shim:$PATH"
    export HOME="$work/home" XDG_CACHE_HOME="$work/home/.cache"
    $1 "$work/prefix/bin/zephrin" 2>"$work/app.log" &
    app=$!
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --name '^Zephrin$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || fail "the installed program showed no window"
    xdotool windowfocus --sync "$window"
    xdotool key alt+o
    sleep 0.5
    xdotool key alt+v
}

# Waits for a view.html under $1 and checks that it holds the support script.
expect_preview_in() {
    local page=""
    for _ in $(seq 50); do
        page=$(find "$1" -name view.html 2>/dev/null | head -n 1) && [ -n "$page" ] && break
        sleep 0.2
    done
    [ -n "$page" ] || fail "no view.html was written under $1"
    grep -qF "StickME note: shows the box" "$page" || fail "$page lacks the support script popup1.js"
    grep -qF "file://$page" "$work/home/opened" || fail "$page was not opened"
    echo "preview page: ${page#"$work"/}"
}

case $mode in
desktop)
    need desktop-file-validate
    desktop-file-validate "$src/packaging/$id.desktop"
    ;;
metainfo)
    need appstreamcli
    appstreamcli validate --no-net "$src/packaging/$id.metainfo.xml"
    ;;
package)
    need cpack dpkg-deb dpkg-shlibdeps
    cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
    deb=$(ls "$work"/zephrin_*.deb)
    dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/files"
    expected=(/usr/bin/zephrin /usr/share/zephrin/popup1.js /usr/share/zephrin/sticky.html
        /usr/share/zephrin/sticky.gif /usr/share/applications/$id.desktop
        /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/scalable/apps/$id.svg
        /usr/share/man/man1/zephrin.1.gz /usr/share/doc/zephrin/copyright
        /usr/bin/zephrin-cli /usr/share/man/man1/zephrin-cli.1.gz "/usr/lib/.*zephrin/.*\.so"
        /usr/share/zephrin/translations/zephrin_de.qm)
    for f in "${expected[@]}"; do
        grep -qx "$f" "$work/files" || fail "the package lacks $f"
    done
    # The preview page root's copy writes beside the support files goes on removal.
    dpkg-deb --info "$deb" prerm | grep -qx 'rm -f "/usr/share/zephrin/view.html"' \
        || fail "the package's prerm does not remove the preview page"
    dpkg-deb -I "$deb" | grep -E '^ (Depends|Installed-Size):'
    if command -v lintian >/dev/null; then
        lintian --fail-on error "$deb"
    else
        echo "NOTE: lintian is missing (scripts/deps installs it); not run"
    fi
    ;;
installed)
    install_copy
    [ -f "$work/prefix/bin/zephrin" ] && [ ! -L "$work/prefix/bin/zephrin" ] || fail "bin/zephrin is not a program file"
    # Still running after 3 s: it started.
    rc=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$work/prefix/bin/zephrin" >/dev/null 2>&1 || rc=$?
    [ $rc -eq 124 ] || fail "the installed program ended with $rc when started offscreen"
    # The installed translations are found: zephrin-cli speaks German when asked.
    said=$(LANGUAGE=de "$work/prefix/bin/zephrin-cli" insert 2>&1 || true)
    grep -qF "ist kein Befehl" <<<"$said" \
        || fail "the installed zephrin-cli did not load its German translation: $said"
    preview_from_installed_copy ""
    expect_preview_in "$work/prefix/share/zephrin"
    ;;
readonly)
    # As root the folder's permissions stop no one, so the program runs as nobody.
    install_copy
    dropper=""
    if [ "$(id -u)" -eq 0 ]; then
        dropper="setpriv --reuid=nobody --regid=nogroup --clear-groups"
        chown nobody "$work/home"
    fi
    chmod -R a-w "$work/prefix/share/zephrin"
    preview_from_installed_copy "$dropper"
    # Needs the window's fallback: the preview page goes to the user's cache
    # folder when the support folder is not writable.
    expect_preview_in "$work/home/.cache"
    [ ! -e "$work/prefix/share/zephrin/view.html" ] || fail "view.html was written into the read-only folder"
    ;;
*) fail "unknown check $mode" ;;
esac
