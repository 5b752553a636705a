#!/usr/bin/env python3
# The file managers' menu files of the package, read as their file managers read them. Each
# command line is expanded for a file, a folder and a name with blanks and quotes, and run with
# --note against a log of its own: the path must arrive whole. Usage: menu_files.py UNPACKED_ROOT
import configparser, os, shlex, subprocess, sys, tempfile, urllib.parse

root = sys.argv[1]
share = os.path.join(root, "usr/share")


def read(name):
    parser = configparser.ConfigParser(interpolation=None, delimiters=("=",))
    parser.optionxform = str
    assert parser.read(os.path.join(share, name), encoding="utf-8"), f"no {name}"
    return parser


def desktop_argv(line, paths):
    # The desktop-entry rules: words split first, double quotes with \" \` \$ \\ inside; then a
    # field code that is a whole word becomes the paths (or their URLs).
    lex = shlex.shlex(line, posix=True)
    lex.whitespace_split, lex.quotes, lex.escapedquotes, lex.commenters = True, '"', '"', ""
    lex.escape = "\\"
    urls = ["file://" + urllib.parse.quote(p) for p in paths]
    codes = {"%f": paths[:1], "%F": paths, "%u": urls[:1], "%U": urls}
    return [arg for word in lex for arg in codes.get(word, [word.replace("%%", "%")])]


def shell_argv(line, paths):
    # Nemo's and the DES-API's way: each path shell-quoted into the line, which is then split.
    quoted = " ".join(shlex.quote(p) for p in paths)
    return shlex.split(line.replace("%F", quoted).replace("%f", shlex.quote(paths[0])))


def check(name, argv_of, line):
    work = tempfile.mkdtemp()
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env.update(XDG_DATA_HOME=work, LC_ALL="C.UTF-8")
    for item in ("plain.txt", "a folder", "it's a \"quoted\" $name & more.txt"):
        path = os.path.join(work, item)
        os.mkdir(path) if "." not in item else open(path, "w").close()
        argv = argv_of(line, [path])
        assert argv[0] == "kivra32", f"{name}: runs {argv[0]}"
        done = subprocess.run([os.path.join(root, "usr/bin/kivra32"), "--note"] + argv[1:] +
                              ["from the menu"], env=env, capture_output=True, text=True)
        assert done.returncode == 0, f"{name}: {done.stderr}"
        with open(os.path.join(work, "Kivra32/KVtemp.dat"), encoding="utf-8") as log:
            last = log.read().splitlines()[-1]
        expected = path + ("/" if os.path.isdir(path) else "") + " - from the menu"
        assert last == expected, f"{name}: {last!r} is not {expected!r}"


types = lambda group, key: set(group[key].split(";"))  # noqa: E731


kde = read("kio/servicemenus/org.example.kivra32.desktop")
entry = kde["Desktop Entry"]
assert entry["Type"] == "Service" and "KonqPopupMenu/Plugin" in entry["X-KDE-ServiceTypes"]
assert {"all/allfiles", "inode/directory"} <= types(entry, "MimeType")
assert os.access(os.path.join(share, "kio/servicemenus/org.example.kivra32.desktop"), os.X_OK)
for action in filter(None, entry["Actions"].split(";")):
    group = kde[f"Desktop Action {action}"]
    assert all(group.get("Name" + lang) for lang in ("", "[de]", "[fr]", "[es]"))
    check("KDE " + action, desktop_argv, group["Exec"])

app = read("applications/org.example.kivra32.desktop")["Desktop Entry"]
assert {"inode/directory", "application/octet-stream"} <= types(app, "MimeType")
check("Open With", desktop_argv, app["Exec"])

nemo = read("nemo/actions/kivra32.nemo_action")["Nemo Action"]
# "any" takes folders too; Nemo hides an action from files once "dir" is listed beside it.
assert nemo["Selection"] == "s" and types(nemo, "Extensions") - {""} == {"any"}
check("Nemo", shell_argv, nemo["Exec"])

fma = read("file-manager/actions/org.example.kivra32.desktop")
assert fma["Desktop Entry"]["Type"] == "Action" and fma["Desktop Entry"]["Name[de]"]
for profile in filter(None, fma["Desktop Entry"]["Profiles"].split(";")):
    group = fma[f"X-Action-Profile {profile}"]
    assert "all/all" in types(group, "MimeTypes") and group["SelectionCount"] == "=1"
    check("Caja, PCManFM-Qt " + profile, shell_argv, group["Exec"])
print("menu files pass")
