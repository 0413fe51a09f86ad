#!/bin/sh
# scripts/lupdate.sh [translation file]
# Collects the translatable texts of the program and of the form plug-in (whose
# texts the program's translator also serves) into Resources/orlesk_en.ts, or
# into the given copy of it. New texts arrive unfinished: give each its English
# <translation> before committing.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
ts="${1:-$root/Resources/orlesk_en.ts}"
if [ "$ts" != "$root/Resources/orlesk_en.ts" ]; then
    cp "$root/Resources/orlesk_en.ts" "$ts"
fi
cd "$root"
# No source locations: they would change with every edit and make every merge
# of the translation conflict.
lupdate -silent -locations none -no-obsolete -source-language zh_CN -target-language en \
    -extensions cpp,h,ui app plugin/Plovane -ts "$ts"
