#!/usr/bin/env bash
# The translations of every text a person reads, in translations/lumetra_<language>.ts.
#   scripts/translations.sh          collect the texts from src/ into the .ts files (new texts
#                                    arrive untranslated, texts gone from the code are dropped)
#   scripts/translations.sh --check  fail when a .ts file is behind the code, or a text has no
#                                    translation, or a translation drops a placeholder or an
#                                    accelerator (scripts/check-translations.py)
# Core folders mark their texts with LUMETRA_TR_NOOP(context, text) and their messages with
# LUMETRA_MESSAGE(context, text), which lupdate reads as QT_TRANSLATE_NOOP; windows use tr() and QCoreApplication::translate().
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
lupdate=/usr/lib/qt6/bin/lupdate
languages=(de fr es zh_CN)

collect() { # folder to write the .ts files into
  for language in "${languages[@]}"; do
    "$lupdate" -silent -locations none -no-obsolete -no-ui-lines \
      -tr-function-alias QT_TRANSLATE_NOOP+=LUMETRA_TR_NOOP,QT_TRANSLATE_NOOP+=LUMETRA_MESSAGE \
      -target-language "$language" src -ts "$1/lumetra_$language.ts"
  done
}

if [ "${1:-}" != --check ]; then
  collect translations
  exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp translations/lumetra_*.ts "$scratch/"
collect "$scratch"
if ! diff -q translations "$scratch" >/dev/null; then
  diff -u translations "$scratch" | head -40 >&2
  echo "translations: the .ts files are behind the code; run scripts/translations.sh and translate the new texts" >&2
  exit 1
fi
python3 scripts/check-translations.py translations/lumetra_*.ts
