#!/usr/bin/env bash
# The portable zip: the setup program's files, byte for byte the build's, and a README.txt in
# plain ASCII with CRLF line ends that says where they go.
#   zip_contents.sh BUILD_DIR
build=$(realpath "$1")
version=$(sed -n 's/^#define TVPANEL_VERSION "\(.*\)"/\1/p' "$build/generated/tvpanel_version.h")
python3 - "$build" "$version" <<'PY'
import glob, os, sys, zipfile
build, version = sys.argv[1:]
results = []
def check(what, ok):
    print(("ok - " if ok else "not ok - ") + what)
    results.append(bool(ok))

zips = glob.glob(f"{build}/package/TvPanel-{version}-win*.zip")
check(f"one zip named after version {version}", len(zips) == 1)
if not zips:
    sys.exit(1)
arch = zips[0].rsplit("-", 1)[1][:-4]
check("and a setup program beside it", os.path.isfile(f"{build}/package/TvPanel-{version}-{arch}-setup.exe"))
z = zipfile.ZipFile(zips[0])
names = sorted(n for n in z.namelist() if not n.endswith("/"))
skins = sorted(os.path.relpath(p, f"{build}/skins").replace(os.sep, "/")
               for p in glob.glob(f"{build}/skins/panelbmp[12]/*.bmp"))
expected = sorted(["Panel.exe", "tvremote.exe", "Panel.ini", "Settings.ini", "README.txt"] + skins)
check("the files at the top, with both skins", names == expected)
if names != expected:
    print("  extra:", sorted(set(names) - set(expected)), "missing:", sorted(set(expected) - set(names)))
for name, built in {"Panel.exe": "src/win32/panel/Panel.exe", "tvremote.exe": "tools/remote/tvremote.exe",
                    "Panel.ini": "skins/Panel.ini", "panelbmp2/panelall.bmp": "skins/panelbmp2/panelall.bmp"}.items():
    check(f"{name} is the build's", name in names and z.read(name) == open(f"{build}/{built}", "rb").read())
readme = z.read("README.txt") if "README.txt" in names else b""
check("README.txt is plain ASCII", readme and all(b < 128 for b in readme))
lines = readme.split(b"\n")[:-1]
check("with CRLF line ends only", lines and all(l.endswith(b"\r") for l in lines) and b"\r\r" not in readme)
check("no line longer than 80 characters", all(len(l) <= 81 for l in lines))
text = readme.decode("ascii", "replace")
check("it names the version and where the files go",
      version in text and all(k in text for k in ("907APDirectory", "OmrPanelIniFile", "Panel.exe", "panelbmp1")))
print(f"{sum(results)} passed, {results.count(False)} failed")
sys.exit(not all(results))
PY
