#!/usr/bin/env bash
# Fetches the sources of the libraries the Windows build compiles itself, from
# Debian's own source packages, into BUILD_DIR/deps once: pugixml, Expat and
# utf8proc as they come, SQLite as its single-file amalgamation (made by the
# source tree's own tool, which needs tclsh). The apt folder is private: a deb-src entry derived from
# the machine's Debian entry, nothing changed in the system's configuration.
# GoogleTest comes as source with libgtest-dev (/usr/src/googletest).
# Usage: scripts/windows-deps.sh BUILD_DIR
set -euo pipefail
deps=$(mkdir -p "$1/deps" && cd "$1/deps" && pwd)
[ -f "$deps/ready" ] && exit 0

# A run that stopped half way starts over.
rm -rf "$deps/src" "$deps/sqlite-build" "$deps/include"
apt_dir=$deps/apt
mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$deps/src"
# The deb822 entries and one-line entries of the system, turned into deb-src.
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] && sed 's/^Types: deb$/Types: deb-src/' "$f" > "$apt_dir/parts/$(basename "$f")"
done
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$f" ] && sed -n 's/^deb \(.*\)/deb-src \1/p' "$f" > "$apt_dir/parts/$(basename "$f").list"
done
apt_options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir/parts"
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
             -o APT::Sandbox::User=root)
apt-get "${apt_options[@]}" -qq update
cd "$deps/src"
# The source of the version whose headers the Linux build uses, where the
# archive still has it; else the newest whose files the mirror serves.
fetch() {
  apt-get "${apt_options[@]}" -qq source --download-only "$1" >/dev/null 2>&1
}
for pair in pugixml:libpugixml-dev sqlite3:libsqlite3-dev expat:libexpat1-dev \
            utf8proc:libutf8proc-dev; do
  source=${pair%%:*}
  installed=$(dpkg-query -W -f='${source:Version}' "${pair#*:}" 2>/dev/null || true)
  fetched=
  for version in $installed $(apt-cache "${apt_options[@]}" showsrc "$source" |
                               sed -n 's/^Version: //p' | sort -rV); do
    if fetch "$source=$version"; then fetched=$version; break; fi
  done
  [ -n "$fetched" ] || { echo "windows-deps: cannot fetch the source of $source" >&2; exit 1; }
done
for dsc in *.dsc; do dpkg-source --no-check -x "$dsc" >/dev/null; done

pugixml=$(ls -d "$deps"/src/pugixml-*/ | head -n1)
sqlite=$(ls -d "$deps"/src/sqlite3-*/ | head -n1)
# Expat's release tree holds the library in a folder of its own.
expat=$(dirname "$(dirname "$(ls "$deps"/src/expat-*/lib/expat.h "$deps"/src/expat-*/expat/lib/expat.h 2>/dev/null | head -n1)")")
mkdir -p "$deps/sqlite-build"
(cd "$deps/sqlite-build" && "$sqlite/configure" >/dev/null && make -s sqlite3.c >/dev/null)

# The headers that come as they are: the JSON and command-line libraries are
# header-only and the same on both systems, but /usr/include as a whole is not.
mkdir -p "$deps/include"
ln -sfn /usr/include/nlohmann "$deps/include/nlohmann"
ln -sfn /usr/include/CLI "$deps/include/CLI"

cat > "$deps/paths.cmake" <<PATHS
set(VELKOR_PUGIXML_SOURCE_DIR "${pugixml%/}/src")
set(VELKOR_SQLITE_SOURCE_DIR "$deps/sqlite-build")
set(VELKOR_EXPAT_SOURCE_DIR "$expat")
set(VELKOR_UTF8PROC_SOURCE_DIR "$(ls -d "$deps"/src/utf8proc-*/ | head -n1 | sed 's:/$::')")
set(VELKOR_HEADER_ONLY_DIR "$deps/include")
PATHS
touch "$deps/ready"
