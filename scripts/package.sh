#!/usr/bin/env bash
# Builds the Debian package in build-package/ (a Release build with Debian's
# hardening flags, packed by CPack), checks it with lintian, then, where this
# may install packages (root, or sudo without a password), installs it with
# apt, tries it as a user would and removes it again. Any fault fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
# dpkg-shlibdeps (dpkg-dev) computes the dependencies; the rest checks the
# package and what its installation registers with the desktop.
install_missing dpkg-dev file lintian xdg-utils desktop-file-utils shared-mime-info \
    libglib2.0-bin
build=build-package
start=$SECONDS

# Debian's own compiler and linker flags, with every hardening option.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/lifting-worksheet_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/lifting-worksheet_*.deb)
deb=${debs[0]}
echo "Built $deb"
dpkg-deb --field "$deb"

# No lintian error; every warning left is explained in the README.
status=0
report=$(lintian "$deb") || status=$?
echo "lintian: ${report:-no tags}"
((status == 0)) || { echo "lintian found errors" >&2; exit 1; }
for tag in $(sed -n 's/^W: [^ ]*: \([^ ]*\).*/\1/p' <<<"$report" | sort -u); do
    grep -qF "\`$tag\`" README.md || { echo "lintian warning $tag is not in README.md" >&2; exit 1; }
done

if ! may_install; then
    echo "Installing and removing the package skipped: needs root or sudo without a password."
    exit 0
fi

package=lifting-worksheet
# The one installed, not one that cmake --install put in /usr/local/bin.
program=/usr/bin/lifting-worksheet
app_entry=org.example.LiftingWorksheet.desktop
job_type=application/x-lifting-job
tmp=$(mktemp -d)
installed=()
remove() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -qq "$package" >/dev/null
}
# A failed check still removes the package.
trap 'dpkg-query -W "$package" >/dev/null 2>&1 && remove; rm -rf "$tmp"' EXIT
fail() {
    echo "package check: $*" >&2
    exit 1
}

as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "./$deb" >/dev/null
mapfile -t installed < <(dpkg -L "$package" | while read -r f; do [[ -f $f ]] && echo "$f"; done)
((${#installed[@]})) || fail "dpkg -L $package lists no file"

version=$(dpkg-deb -f "$deb" Version)
[[ $("$program" --version) == "lifting-worksheet $version" ]] ||
    fail "--version says '$("$program" --version)', the package is $version"

# The README's batch example, where it has one: the first fenced block whose
# first line is a header with the entry columns is the input; one whose first
# line holds the result columns is the output it shows.
readme_block() { # words the first line must hold, a word it must not
    awk -v has="$1" -v lacks="${2-}" '
        /^```/ {
            if (!open) { open = 1; first = 1; body = ""; wanted = 0; next }
            if (wanted) { printf "%s", body; exit }
            open = 0; next
        }
        open {
            if (first) {
                line = tolower($0); first = 0
                wanted = index(line, has) && (lacks == "" || !index(line, lacks))
            }
            body = body $0 "\n"
        }' README.md
}
readme_block origin_h rwl_origin >"$tmp/example.csv"
if [[ -s $tmp/example.csv ]]; then
    "$program" --batch "$tmp/example.csv" -o "$tmp/out.csv" ||
        fail "--batch on the README's example ended with status $?"
    tr -d '\r' <"$tmp/out.csv" >"$tmp/got.csv"
    readme_block rwl_origin >"$tmp/shown.csv"
    if [[ -s $tmp/shown.csv ]]; then
        diff -u "$tmp/shown.csv" "$tmp/got.csv" || fail "--batch differs from the README's output"
    else
        head -n 1 "$tmp/got.csv" | grep -q 'li_destination' || fail "--batch wrote no result columns"
        (($(wc -l <"$tmp/got.csv") == $(wc -l <"$tmp/example.csv"))) ||
            fail "--batch wrote another number of rows than the example has"
    fi
    echo "--batch on the README's example: as expected"
else
    echo "--batch not tried: the README has no batch example"
fi

# Job files belong to the worksheet, known by their name and by their start.
[[ $(xdg-mime query default "$job_type") == "$app_entry" ]] ||
    fail "the default application for $job_type is '$(xdg-mime query default "$job_type")'"
printf '{\n  "format": "lifting-worksheet-job",\n  "version": 1\n}\n' >"$tmp/job-without-extension"
printf '{}\n' >"$tmp/empty.liftjob"
for f in "$tmp/job-without-extension" "$tmp/empty.liftjob"; do
    type=$(gio info -a standard::content-type "$f" | sed -n 's/^ *standard::content-type: //p')
    [[ $type == "$job_type" ]] || fail "$(basename "$f") is taken for $type"
done
echo "Installed: --version, the job file type and its application as expected"

remove
dpkg -L "$package" >/dev/null 2>&1 && fail "dpkg still lists $package after the purge"
for f in "${installed[@]}"; do
    [[ ! -e $f ]] || fail "$f is left after the purge"
done
[[ -z $(xdg-mime query default "$job_type") ]] || fail "$job_type still opens with an application"
echo "Removed: no file left (${#installed[@]} were installed)"
echo "scripts/package.sh took $((SECONDS - start)) s"
