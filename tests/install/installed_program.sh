#!/usr/bin/env bash
# installed_program.sh BUILD_DIR SOURCE_DIR
# Installs BUILD_DIR into a temporary prefix with `cmake --install` and runs the installed programs from
# there, with a temporary HOME so that nothing touches the user's files: the files a desktop needs are in
# place, the programs find their catalogues under the prefix, the data folder follows its rules and the
# program writes nothing beside its binaries.
set -uo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }

for file in bin/vorlapa bin/vorlapa-cli \
            share/applications/org.kalverin.Vorlapa.desktop \
            share/icons/hicolor/scalable/apps/org.kalverin.Vorlapa.svg \
            share/metainfo/org.kalverin.Vorlapa.metainfo.xml \
            share/mime/packages/vorlapa.xml \
            share/man/man1/vorlapa-cli.1.gz share/man/man1/vorlapa.1.gz; do
  [ -s "$prefix/$file" ] || fail "not installed: $file"
done
languages=()
for po in "$source"/po/*.po; do
  [ -f "$po" ] || continue
  lang=$(basename "$po" .po)
  languages+=("$lang")
  [ -s "$prefix/share/locale/$lang/LC_MESSAGES/vorlapa.mo" ] || fail "catalogue $lang not installed"
done
grep -q '^Exec=vorlapa %f$' "$prefix/share/applications/org.kalverin.Vorlapa.desktop" || fail "desktop entry: Exec"
for type in application/x-vorlapa-session application/x-vorlapa-setup; do
  grep -q "^MimeType=.*$type;" "$prefix/share/applications/org.kalverin.Vorlapa.desktop" ||
    fail "desktop entry does not open $type"
  grep -q "type=\"$type\"" "$prefix/share/mime/packages/vorlapa.xml" || fail "no MIME definition of $type"
done

# A clean environment: a temporary HOME, no data folder or catalogue folder given, no display.
home=$work/home
mkdir -p "$home" "$work/cwd"
cd "$work/cwd" || exit 1
run() {
  env -u VORLAPA_DATA -u VORLAPA_LOCALE_DIR -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u DISPLAY -u WAYLAND_DISPLAY \
      -u LANGUAGE HOME="$home" LANG=C.UTF-8 LC_ALL=C.UTF-8 "$@"
}
bin=$prefix/bin

# Usage and version need no display at all.
out=$(run env -u QT_QPA_PLATFORM "$bin/vorlapa" --help) || fail "vorlapa --help failed"
grep -q '^usage: vorlapa ' <<<"$out" || fail "vorlapa --help printed: $out"
out=$(run env -u QT_QPA_PLATFORM "$bin/vorlapa" --version) || fail "vorlapa --version failed"
grep -q '^vorlapa [0-9]' <<<"$out" || fail "vorlapa --version printed: $out"
if [ ${#languages[@]} -gt 0 ]; then
  grep -qx "catalogues: $prefix/share/locale" <<<"$out" || fail "catalogues not found under the prefix: $out"
fi

# The screenshot starts the whole program offscreen; the data folder is the user's, never the binaries'.
run QT_QPA_PLATFORM=offscreen "$bin/vorlapa" --screenshot shot.png >"$work/out" 2>&1 ||
  { cat "$work/out"; fail "vorlapa --screenshot failed"; }
[ "$(head -c 4 shot.png 2>/dev/null | od -An -c | tr -d ' ')" = '211PNG' ] || fail "no PNG screenshot"
[ -f "$home/.local/share/Vorlapa/vorlapa.ini" ] || fail "no settings file in ~/.local/share/Vorlapa"
extra=$(ls -A "$bin" | grep -vx -e vorlapa -e vorlapa-cli)
[ -z "$extra" ] || fail "written beside the binaries: $extra"
run env VORLAPA_DATA="$work/env-data" QT_QPA_PLATFORM=offscreen \
  "$bin/vorlapa" --screenshot env.png >"$work/out" 2>&1 || { cat "$work/out"; fail "vorlapa with VORLAPA_DATA failed"; }
[ -f "$work/env-data/vorlapa.ini" ] || fail "VORLAPA_DATA not used as the data folder"

# A translated text from the installed catalogue, chosen by -lang and by LANG (Bokmål finds Norwegian).
if [[ " ${languages[*]} " == *" de "* && " ${languages[*]} " == *" no "* ]]; then
  run QT_QPA_PLATFORM=offscreen "$bin/vorlapa" -lang de --screenshot de.png --page NoSuchPage >/dev/null 2>"$work/err"
  grep -q 'Keine Seite namens NoSuchPage' "$work/err" || fail "-lang de: $(cat "$work/err")"
  run env LANG=nb_NO.UTF-8 QT_QPA_PLATFORM=offscreen "$bin/vorlapa" --screenshot no.png --page NoSuchPage \
    >/dev/null 2>"$work/err"
  grep -q 'Ingen side med navnet NoSuchPage' "$work/err" || fail "LANG=nb_NO.UTF-8: $(cat "$work/err")"
fi

# The companion: its help, a command on the user's data folder, and a manual page naming every command.
out=$(run "$bin/vorlapa-cli" help) || fail "vorlapa-cli help failed"
commands=$(sed -n 's/^  \([a-z-]*\).*/\1/p' <<<"$out" | sort -u)
[ -n "$commands" ] || fail "vorlapa-cli help listed no command: $out"
run "$bin/vorlapa-cli" settings show >"$work/out" 2>&1 || { cat "$work/out"; fail "vorlapa-cli settings show failed"; }
# roff's minus signs read as plain ones.
page=$(gzip -dc "$prefix/share/man/man1/vorlapa-cli.1.gz" | sed 's/\\-/-/g')
for command in $commands; do
  grep -qxF ".B $command" <<<"$page" || fail "manual page lacks the command $command"
done
grep -q '^\.TH VORLAPA-CLI 1 ' <<<"$page" || fail "manual page has no title line"

[ "$failures" -eq 0 ] || exit 1
echo "installed program: all checks passed"
