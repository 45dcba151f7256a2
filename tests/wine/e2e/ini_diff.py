#!/usr/bin/env python3
"""ini_diff.py OLD NEW [PATTERN...] [--added-ok] [--some-change]: compares two INI files key by
key (sections and keys without case, values trimmed). A change is allowed when a PATTERN
("section:key", shell wildcards) matches it and no "!PATTERN" does. Prints each change that is
not allowed and exits 1 on any; --added-ok lets NEW have keys OLD lacks; --some-change also
fails when nothing changed at all. Lines that are neither sections nor keys fail too."""
import fnmatch, re, sys

def parse(path):
    values, section, bad = {}, "", []
    for line in open(path, "rb").read().decode("latin-1").splitlines():
        s = line.strip()
        if not s or s.startswith(";"):
            continue
        m = re.fullmatch(r"\[([^\]]*)\]", s)
        if m:
            section = m.group(1).strip().lower()
        elif "=" in s:
            k, v = s.split("=", 1)
            values.setdefault("%s:%s" % (section, k.strip().lower()), v.strip())
        else:
            bad.append(s)
    return values, bad

flags = {a for a in sys.argv[3:] if a.startswith("--")}
patterns = [a for a in sys.argv[3:] if not a.startswith("--")]
allowed = lambda k: any(fnmatch.fnmatch(k, p) for p in patterns if p[0] != "!") and \
    not any(fnmatch.fnmatch(k, p[1:]) for p in patterns if p[0] == "!")
(old, _), (new, bad) = parse(sys.argv[1]), parse(sys.argv[2])
wrong = ["(lines that are no INI: %r)" % bad[:5]] if bad else []
changed = 0
for k in sorted(set(old) | set(new)):
    if old.get(k) == new.get(k) or (k not in old and "--added-ok" in flags):
        continue
    if allowed(k):
        changed += 1
    else:
        wrong.append("(%s: %r -> %r)" % (k, old.get(k), new.get(k)))
for w in wrong[:8]:
    print("  " + w)
print("  (%d allowed changes)" % changed)
sys.exit(1 if wrong or ("--some-change" in flags and not changed) else 0)
