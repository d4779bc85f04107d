#!/usr/bin/env python3
"""The naming rule applied to a Tavrix tree (see apply.sh)."""
import os
import re
import subprocess
import sys

TREE = os.path.realpath(sys.argv[1])
CHANGED = []
NOTES = []


def git(*args):
    return subprocess.run(["git", "-C", TREE, *args], check=True, capture_output=True,
                          text=True).stdout


def path(p):
    return os.path.join(TREE, p)


def read(p):
    with open(path(p), encoding="utf-8") as f:
        return f.read()


def write(p, text):
    if read(p) != text:
        with open(path(p), "w", encoding="utf-8") as f:
            f.write(text)
        CHANGED.append(p)


# ---------------------------------------------------------------------------------------------
# 1. Files that move with the type they hold.
MOVES = [
    ("src/app/win32/ApplicationWindow.h", "src/app/win32/ClipboardOwnerWindow.h"),
    ("src/app/win32/ApplicationWindow.cpp", "src/app/win32/ClipboardOwnerWindow.cpp"),
    ("src/base/win32/MessageFilter.h", "src/base/win32/AcceleratorHook.h"),
    ("src/base/win32/MessageFilter.cpp", "src/base/win32/AcceleratorHook.cpp"),
    ("src/viewer/StrPositions.h", "src/viewer/HitMap.h"),
    ("src/viewer/StrPositions.cpp", "src/viewer/HitMap.cpp"),
    ("tests/unit/viewer/StrPositionsTest.cpp", "tests/unit/viewer/HitMapTest.cpp"),
    ("src/viewer/OutputOptions.h", "src/viewer/LineOutputOptions.h"),
    ("src/settings/AppIni.h", "src/settings/SettingsStore.h"),
    ("src/settings/AppIni.cpp", "src/settings/SettingsStore.cpp"),
    ("tests/unit/settings/AppIniTest.cpp", "tests/unit/settings/SettingsStoreTest.cpp"),
    ("src/settings/win32/AppIniSetup.h", "src/settings/win32/SettingsStoreSetup.h"),
    ("src/settings/win32/AppIniSetup.cpp", "src/settings/win32/SettingsStoreSetup.cpp"),
    ("src/base/Support.h", "src/base/SystemServices.h"),
    ("src/base/Support.cpp", "src/base/SystemServices.cpp"),
    ("tests/unit/base/SupportTest.cpp", "tests/unit/base/SystemServicesTest.cpp"),
    ("src/base/SupportPlatform.h", "src/base/SystemPlatform.h"),
    ("src/base/win32/Win32SupportPlatform.h", "src/base/win32/Win32SystemPlatform.h"),
    ("src/base/win32/Win32SupportPlatform.cpp", "src/base/win32/Win32SystemPlatform.cpp"),
    ("tests/win32/base/Win32SupportPlatformTest.cpp", "tests/win32/base/Win32SystemPlatformTest.cpp"),
    ("tests/unit/fakes/FakeSupportPlatform.h", "tests/unit/fakes/FakeSystemPlatform.h"),
    ("tests/unit/clipboard/ClipFileTestSupport.h", "tests/unit/clipboard/ClipFileTestKit.h"),
]

for old, new in MOVES:
    if os.path.exists(path(old)) and not os.path.exists(path(new)):
        git("mv", old, new)
        CHANGED.append(new)
    elif not os.path.exists(path(old)) and not os.path.exists(path(new)):
        NOTES.append(f"neither {old} nor {new} exists: left alone")

# ---------------------------------------------------------------------------------------------
# 2. Identifier renames (whole tokens; code and comments, never string literals).
RENAMES = {
    # Not windows: no T.
    "TAppIni": "SettingsStore",
    "CreateAppIni": "CreateSettingsStore",
    "TStrPositions": "HitMap",
    "TStrPosRecord": "HitMapLine",
    "TMouseSelection": "MouseSelection",
    "TAutoScrollDir": "AutoScrollDirection",
    "TCharExtents": "CharExtents",
    "TNorvaneClipFormat": "CatalogueFormat",
    "TZorvUrl": "LinkEntry",
    "TZorvEncodingRec": "EncodingRow",
    "TTabExpandOptions": "TabExpandOptions",
    "TZorvBinHexOutputOptions": "LineOutputOptions",
    "TNotifyEvent": "NotifyEvent",
    "TZorvBinHexDrawLine": "DrawLineEvent",
    "TZorvBinHexDrawLine2": "DrawLine2Event",
    "TZorvBinHexClickURL": "ClickUrlEvent",
    "TZorvPopupCommands": "PopupCommandSet",
    # Names that said something else.
    "ApplicationWindow": "ClipboardOwnerWindow",
    "MessageFilter": "AcceleratorHook",
    "SetMessageFilter": "SetAcceleratorHook",
    "FilterMessage": "RunAcceleratorHook",
    "ViewerSteps": "ShowInViewer",
    "SupportPlatform": "SystemPlatform",
    "Win32SupportPlatform": "Win32SystemPlatform",
    "FakeSupportPlatform": "FakeSystemPlatform",
    "RecordingSupportPlatform": "RecordingSystemPlatform",
    "InstallSupportPlatform": "InstallSystemPlatform",
    "CurrentSupportPlatform": "CurrentSystemPlatform",
    "InitSupport": "InitSystemServices",
    "ClipFileTestSupport": "ClipFileTestKit",
    # Choices become enum class (enumerators are added from the declarations below).
    "TZorvBinHexMode": "ViewerMode",
    "TZorvPopupCommand": "PopupCommand",
    "TZorvEncoding": "ViewerEncoding",
}

# Include paths follow the moved files (matched as a path suffix inside #include "...").
INCLUDES = {}
for old, new in MOVES:
    for prefix in ("src/", "tests/unit/", "tests/win32/", "tests/"):
        if old.startswith(prefix):
            INCLUDES[old[len(prefix):]] = new[len(prefix):]
            break
    INCLUDES[os.path.basename(old)] = os.path.basename(new)

# Plain enums: (header, old type, new type, enumerator renamer, helper used where the old
# enumerator stood as a number, or None, and the helper's definition).
ENUMS = [
    ("src/viewer/BinHexTypes.h", "TZorvBinHexMode", "ViewerMode",
     lambda e: e[len("vbmode"):], None, None),
    ("src/viewer/BinHexTypes.h", "TZorvPopupCommand", "PopupCommand",
     lambda e: {"vpCmdEncMenu": "EncodingMenu"}.get(e, e[len("vpCmd"):]), None, None),
    ("src/viewer/Encoding.h", "TZorvEncoding", "ViewerEncoding",
     lambda e: e[len("vEnc"):], None, None),
    # Command and control identifiers travel as numbers through menus, toolbars and messages.
    ("src/app/win32/CommandBar.h", "MainCommand", "MainCommand",
     lambda e: e[len("kAct"):] if e.startswith("kAct") else e[len("kMi"):], "CommandId",
     "// The number a menu item, button or accelerator carries for command.\n"
     "constexpr int CommandId(MainCommand command) {\n"
     "    return static_cast<int>(command);\n}\n"),
    ("src/app/win32/MainForm.cpp", "ControlId", "ControlId",
     lambda e: e[len("kId"):], "ChildId",
     "constexpr int ChildId(ControlId id) {\n    return static_cast<int>(id);\n}\n"),
]

ENUM_DECL = r"\benum\s+(?!class\b|struct\b)({name})\s*(:\s*[\w:]+\s*)?\{{(.*?)\}}"


def find_enum(text, name):
    return re.search(ENUM_DECL.format(name=re.escape(name)), text, re.S)


ENUMERATORS = {}  # old enumerator -> new qualified name
for header, old_type, new_type, renamer, helper, _ in ENUMS:
    header = dict(MOVES).get(header, header)
    if not os.path.exists(path(header)):
        NOTES.append(f"{header} is gone: enum {old_type} not converted there")
        continue
    text = read(header)
    m = find_enum(text, old_type)
    if not m:
        if not re.search(r"\benum\s+class\s+" + new_type + r"\b", text):
            NOTES.append(f"enum {old_type} not found in {header}")
        continue
    body = re.sub(r"//[^\n]*", "", m.group(3))
    for item in body.split(","):
        e = item.split("=")[0].strip()
        if e:
            q = f"{new_type}::{renamer(e)}"
            ENUMERATORS[e] = f"{helper}({q})" if helper else q

TOKEN = re.compile(
    r'(?P<comment>//[^\n]*|/\*.*?\*/)'
    r'|(?P<string>(?:\bu8|\bu|\bU|\bL)?R"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)"'
    r'|(?:\bu8|\bu|\bU|\bL)?"(?:\\.|[^"\\\n])*"'
    r"|(?<![\w'])'(?:\\.|[^'\\\n])'"
    r"|(?<![\w'])'\\[^'\n]{1,10}')"
    r'|(?P<include>#\s*include\s*"[^"\n]*")'
    r'|(?P<ident>\b[A-Za-z_]\w*\b)',
    re.S)
WORD = re.compile(r"\b[A-Za-z_]\w*\b")


def rename_words(text, table):
    return WORD.sub(lambda m: table.get(m.group(0), m.group(0)), text)


def rename_include(directive):
    m = re.match(r'(#\s*include\s*")([^"]*)(")', directive)
    target = m.group(2)
    for old, new in sorted(INCLUDES.items(), key=lambda kv: -len(kv[0])):
        if target == old or target.endswith("/" + old):
            return m.group(1) + target[: len(target) - len(old)] + new + m.group(3)
    return directive


def rename_code(text, table):
    def one(m):
        if m.group("comment"):
            return rename_words(m.group("comment"), table)
        if m.group("string"):
            return m.group("string")
        if m.group("include"):
            return rename_include(m.group("include"))
        name = m.group("ident")
        new = table.get(name, name)
        if new != name and "(" in new:
            q = re.search(r"((?:\w+::)+)$", text[: m.start()])
            if q:
                new = re.sub(r"\((\w+::)", "(" + q.group(1) + r"\1", new, count=1)
        return new

    return TOKEN.sub(one, text)


TABLE = dict(RENAMES)
TABLE.update(ENUMERATORS)

CODE_EXT = (".h", ".cpp", ".rc")
files = [f for f in git("ls-files").split("\n") if f]
code_files = [f for f in files if f.endswith(CODE_EXT) and os.path.exists(path(f))]
for f in code_files:
    write(f, rename_code(read(f), TABLE))

# CMake and scripts name files; documents name types (in prose and code spans).
for f in files:
    if not os.path.exists(path(f)):
        continue
    if f.endswith((".cmake", "CMakeLists.txt", ".sh")):
        text = read(f)
        for old, new in MOVES:
            text = re.sub(r"(?<![\w/])" + re.escape(old) + r"\b", new, text)
            o, n = old.split("/", 1)[1], new.split("/", 1)[1]
            text = re.sub(r"(?<![\w/])" + re.escape(o) + r"\b", n, text)
        write(f, text)
    elif f.endswith(".md") and f != "docs/ARCHITECTURE.md":
        write(f, rename_words(read(f), {k: v for k, v in TABLE.items() if k in RENAMES}))

# The declarations themselves: enum class, bare enumerators, and the number helper after them.
for header, old_type, new_type, renamer, helper, helper_text in ENUMS:
    header = dict(MOVES).get(header, header)
    if not os.path.exists(path(header)):
        continue
    text = read(header)
    m = find_enum(text, new_type)
    if not m:
        continue
    body = m.group(3)
    if helper:
        body = re.sub(re.escape(helper) + r"\(" + new_type + r"::(\w+)\)", r"\1", body)
    body = re.sub(r"\b" + new_type + r"::(\w+)", r"\1", body)
    decl = f"enum class {new_type} {m.group(2) or ''}{{{body}}}"
    end = m.end()
    tail = text[end:]
    semi = re.match(r"\s*;\n?", tail)
    after = text[end:end + semi.end()] if semi else ""
    extra = ""
    if helper_text and not re.search(r"constexpr int " + helper + r"\(", text):
        extra = helper_text
    text = text[: m.start()] + decl + after + extra + text[end + len(after):]
    write(header, text)

# ---------------------------------------------------------------------------------------------
# 3. What enum class needs from its uses: helpers in the enum's own header, then patterns over
# every file (they find the uses wherever the code has moved to).
CHOICES = ("ViewerMode", "PopupCommand", "ViewerEncoding")
HELPERS = [
    # (header, anchor the helper follows, marker of the helper, helper text)
    ("src/viewer/Encoding.h", r"constexpr bool IsValidEncoding\(int value\) \{.*?\n\}\n",
     "IsValidEncoding(ViewerEncoding",
     "constexpr bool IsValidEncoding(ViewerEncoding encoding) {\n"
     "    return IsValidEncoding(static_cast<int>(encoding));\n}\n"),
]
for header, anchor, marker, helper_text in HELPERS:
    if not os.path.exists(path(header)):
        NOTES.append(f"{header} is gone: helper {marker} not added")
        continue
    text = read(header)
    if marker in text:
        continue
    m = re.search(anchor, text, re.S)
    if not m:
        NOTES.append(f"anchor for {marker} not found in {header}: add it by hand")
        continue
    write(header, text[: m.end()] + helper_text + text[m.end():])

PATTERNS = [
    # A table indexed by a named choice.
    (r"\[((?:%s)::\w+)\]" % "|".join(CHOICES), r"[static_cast<std::size_t>(\1)]"),
    # The bit of a command in a set of commands.
    (r"(1u\s*<<\s*)command\)", r"\1static_cast<unsigned>(command))"),
]
for f in [f for f in git("ls-files").split("\n") if f.endswith(CODE_EXT)]:
    if not os.path.exists(path(f)):
        continue
    text = read(f)
    for pattern, replacement in PATTERNS:
        text = re.sub(pattern, replacement, text)
    write(f, text)

# ---------------------------------------------------------------------------------------------
# 4. Struct fields in camelCase (the casing most fields already have): the viewer's PascalCase
# fields and the public fields of the viewer's small classes.
FIELD_CLASSES = set()  # classes with public fields: their member functions use them bare


def camel(name):
    m = re.match(r"([A-Z]+)(?=[A-Z][a-z])", name)
    if m:
        return m.group(1).lower() + name[m.end():]
    if re.fullmatch(r"[A-Z0-9]+", name):
        return name.lower()
    return name[0].lower() + name[1:]


def top_level(body):
    depth, out = 0, []
    for ch in body:
        if ch == "{":
            depth += 1
        elif ch == "}":
            depth -= 1
            continue
        if depth == 0:
            out.append(ch)
    return "".join(out)


CALLABLE_FIELDS = set()  # std::function fields: their calls are field uses


def fields_of(body, public_only):
    text = re.sub(r"//[^\n]*", "", top_level(body))
    if public_only:
        text = "".join(re.findall(r"public:(.*?)(?=private:|protected:|$)", text, re.S))
    found = []
    for statement in text.split(";"):
        st = statement.strip()
        if not st or st.startswith(("using", "static", "friend", "enum", "struct", "class",
                                     "template", "#", "virtual", "constexpr", "inline",
                                     "explicit", "typedef")):
            continue
        parts, depth, cur = [], 0, ""
        for ch in st:  # declarators split at top-level commas: "Color Background, Band, Text"
            depth += {"<": 1, "(": 1, "{": 1, ">": -1, ")": -1, "}": -1}.get(ch, 0)
            if ch == "," and depth == 0:
                parts.append(cur)
                cur = ""
            else:
                cur += ch
        parts.append(cur)
        head = re.split(r"[={]", parts[0])[0]
        if "(" in head and not head.strip().startswith("std::function"):
            continue
        head = re.sub(r"\[[^\]]*\]", "", head).strip()
        m = re.search(r"(\w+)\s*(?::\s*\d+)?$", head)
        if not (m and head[: m.start()].strip()):
            continue
        names = [m.group(1)]
        for more in parts[1:]:
            n = re.match(r"\s*(\w+)", re.split(r"[={\[]", more)[0])
            if n:
                names.append(n.group(1))
        found += [n for n in names if re.fullmatch(r"[A-Z]\w*", n)]
        if head.strip().startswith("std::function"):
            CALLABLE_FIELDS.update(names)
    return found


def body_at(text, start):
    depth, j = 1, start
    while depth and j < len(text):
        depth += {"{": 1, "}": -1}.get(text[j], 0)
        j += 1
    return text[start:j - 1]


src_code = [f for f in git("ls-files").split("\n") if f.endswith(CODE_EXT) and
            os.path.exists(path(f))]
OWNERS = {}  # struct or class -> its PascalCase fields
for f in src_code:
    text = read(f)
    for m in re.finditer(r"\b(struct|class)\s+(\w+)\s*(?:final\s*)?(?::[^{;]*)?\{", text):
        kind, owner = m.group(1), m.group(2)
        names = fields_of(body_at(text, m.end()), kind == "class")
        if names:
            OWNERS.setdefault(owner, set()).update(names)
            if kind == "class":
                FIELD_CLASSES.add(owner)
FIELDS = {n for names in OWNERS.values() for n in names}
# A field whose name is also a function somewhere keeps its calls (obj.Name(...) is the function).
FUNCTIONS = set()
for f in [f for f in git("ls-files").split("\n") if f.endswith(CODE_EXT) and
          os.path.exists(path(f))]:
    FUNCTIONS.update(re.findall(r"[\w>&*]\s+(?:\w+::)?([A-Z]\w*)\s*\(", read(f)))
FUNCTIONS -= CALLABLE_FIELDS


def bare_spans(text):
    """Where an owner's fields are named without an object: its own body, and for the classes
    the bodies of their member functions."""
    spans = []
    for owner, names in OWNERS.items():
        for m in re.finditer(r"\b(?:struct|class)\s+" + owner +
                             r"\s*(?:final\s*)?(?::[^{;]*)?\{", text):
            spans.append((m.end(), m.end() + len(body_at(text, m.end())), names, ""))
        if owner in FIELD_CLASSES:
            for m in re.finditer(r"\b" + owner + r"::~?\w+\s*\([^;{]*?\)[^;{]*\{", text):
                end = m.end() + len(body_at(text, m.end()))
                # Parameters and locals named like the field in camelCase: reach it via this.
                spans.append((m.end(), end, names, text[m.start():end]))
    return spans


def rename_fields(text):
    spans = bare_spans(text)
    out, pos = [], 0
    for m in TOKEN.finditer(text):
        out.append(text[pos:m.start()])
        pos = m.end()
        tok = m.group(0)
        if m.group("ident") and tok in FIELDS:
            before = text[:m.start()].rstrip(" \t")
            call = re.match(r"\s*\(", text[m.end():]) is not None
            member = before.endswith(".") or before.endswith("->")
            qualified = any(before.endswith(o + "::") for o, n in OWNERS.items() if tok in n)
            bare = [w for a, b, n, w in spans if a <= m.start() < b and tok in n]
            if (member and not (call and tok in FUNCTIONS)) or qualified:
                tok = camel(tok)
            elif bare and not (call and tok in FUNCTIONS):
                shadowed = any(re.search(r"\b" + camel(tok) + r"\b", w) for w in bare)
                tok = ("this->" if shadowed and not member else "") + camel(tok)
        out.append(tok)
    out.append(text[pos:])
    return "".join(out)


for f in [f for f in git("ls-files").split("\n") if f.endswith(CODE_EXT)]:
    if os.path.exists(path(f)):
        write(f, rename_fields(read(f)))

# ---------------------------------------------------------------------------------------------
# 5. The rule and the glossary in the architecture notes (replacing the section "Names").
NAMES_SECTION = open(os.environ["TAVRIX_NAMES_SECTION"], encoding="utf-8").read()
doc = "docs/ARCHITECTURE.md"
if os.path.exists(path(doc)):
    text = read(doc)
    m = re.search(r"^## Names\n.*?(?=^## |\Z)", text, re.S | re.M)
    if m:
        rest = text[m.end():]
        text = text[: m.start()] + NAMES_SECTION + ("\n" + rest if rest else "")
    else:
        text = text.rstrip("\n") + "\n\n" + NAMES_SECTION
    # Elsewhere in the notes the old names become the new ones.
    head, sep, tail = text.partition(NAMES_SECTION)
    table = {k: v for k, v in TABLE.items() if k in RENAMES}
    write(doc, rename_words(head, table) + sep + rename_words(tail, table))

print("\n".join(NOTES))
