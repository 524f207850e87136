#!/usr/bin/env bash
# Checks that includes point down the layers only:
#   core <- data <- shop <- windows <- app, and data <- controls <- reports (engine) <- windows
# (the sample shop, beside data, is used by app and the admin tool only)
# Only src/data/sqlite and src/data/postgres talk to SQLite or PostgreSQL directly.
# The report engine uses nothing of controls but in its preview window; no
# window includes another window's header (each instance comes from the
# registry, app/Windows.h); the admin tool uses no widgets. Prints each breach and exits 1 when there is one.
set -uo pipefail
src=${1:-$(cd "$(dirname "$0")/.." && pwd)}/src
tools=$(dirname "$src")/tools
windows="access invoice masterdata listreports search"
fail=0
breach() { echo "layers: $*"; fail=1; }

# Folders a layer may include from.
allowed() {
  case $1 in
    core) echo "core" ;;
    data) echo "core data" ;;
    sampleshop) echo "core data sampleshop" ;;
    shop) echo "core data shop" ;;
    controls) echo "core data controls" ;;
    reports) echo "core data reports" ;;
    access|invoice|masterdata|listreports|search) echo "core data shop controls reports app $windows" ;;
    app) echo "core data sampleshop shop controls reports app $windows" ;;
  esac
}

for dir in "$src"/*/; do
  layer=$(basename "$dir")
  ok=" $(allowed "$layer") "
  for file in "$dir"*.h "$dir"*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r folder; do
      [[ $ok == *" $folder "* ]] && continue
      # The preview is the report engine's one window.
      if [ "$layer" = reports ] && [ "$folder" = controls ] && [[ $(basename "$file") == ReportPreview.* ]]; then continue; fi
      breach "$layer/$(basename "$file") includes $folder/"
    done < <(sed -n 's|^#include "\([a-z]*\)/.*|\1|p' "$file")
  done
done

# No window includes another window's header. A window header is one that
# declares a class the registry (app/Windows.h) names; only that window's own
# files and src/app, which makes the windows, include it. A window reaches
# another through the registry (show, hide, close) and shares state through a
# shop object or a small header of its own that names no widget.
registry="$src/app/Windows.h"
registered=" $(sed -n 's/^extern windows::Instance<\([A-Za-z0-9_]*\)> .*/\1/p' "$registry" | tr '\n' ' ') "
[ "$registered" != "  " ] || breach "no window found in app/Windows.h"
for layer in $windows; do
  for file in "$src/$layer"/*.cpp "$src/$layer"/*.h; do
    [ -e "$file" ] || continue
    own=$(basename "${file%.*}")
    while IFS= read -r header; do
      [ "$(basename "${header%.h}")" = "$own" ] && continue
      [ -e "$src/$header" ] || continue
      for class in $(sed -n -E 's/^class ([A-Za-z0-9_]+) : public .*/\1/p' "$src/$header"); do
        [[ $registered == *" $class "* ]] && breach "$layer/$(basename "$file") includes $header, the window $class's header"
      done
    done < <(sed -n -E 's#^[#]include "((access|invoice|masterdata|listreports|search)/[A-Za-z0-9_]+\.h)".*#\1#p' "$file")
  done
done

# Only the data layer knows which database engine it is on: the rest of the
# program and the admin tool use the connection and the engine's dialect.
if grep -rnE '#include [<"](sqlite3\.h|libpq-fe\.h|data/(sqlite|postgres)/)' "$src" "$tools" --include='*.h' --include='*.cpp' |
   grep -v "^$src/data/"; then
  breach "an engine's own interface used outside src/data"
fi
# Only the engine folders talk to SQLite or PostgreSQL through their own
# libraries; the rest of src/data and the admin tool use the connection.
if grep -rnE '#include [<"](sqlite3|libpq-fe)\.h[>"]' "$src" "$tools" --include='*.h' --include='*.cpp' |
   grep -vE "^$src/data/(sqlite|postgres)/"; then
  breach "an engine's library included outside src/data/sqlite and src/data/postgres"
fi
# Within src/data, the engines' own classes are reached through the dialect
# and the connection; only the dialect's factory names them.
if grep -rnE '#include "data/(sqlite|postgres)/' "$src/data" --include='*.h' --include='*.cpp' |
   grep -vE "^$src/data/(sqlite|postgres)/|^$src/data/EngineDialect\.cpp:"; then
  breach "an engine folder included by the engine-neutral part of src/data"
fi

# The shop's rules hold no widgets.
if grep -nE '#include [<"](Q(Widget|Application|Dialog|MessageBox|Label|LineEdit)|QtWidgets|QtGui)' "$src"/shop/* 2>/dev/null; then
  breach "src/shop uses widgets"
fi

# The admin tool runs without a desktop.
if grep -nE '#include [<"](Q(Widget|Application|Dialog|MessageBox|MainWindow)|QtWidgets|controls/)' "$tools"/notadb/*; then
  breach "tools/notadb uses widgets"
fi
if grep -n 'Widgets' "$tools/CMakeLists.txt" | grep -qi notadb; then
  breach "tools/notadb links the widgets library"
fi

# The weakest password hash limits are for test programs only.
if grep -rn 'useWeakestLimitsForTests' "$src" "$tools" --include='*.h' --include='*.cpp' | grep -v "^$src/core/PasswordHash.cpp:"; then
  breach "the test programs' weakest password hashes named outside tests/"
fi

[ $fail -eq 0 ] && echo "layers: every include points down"
exit $fail
