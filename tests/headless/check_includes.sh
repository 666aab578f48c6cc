#!/bin/bash
# Only the windows (src/ui, src/app, src/main.cpp) include a window's header, Qt Widgets or Qt Print
# Support (printing is a window's business). Prints every other file's line that does, and fails.
# Usage: check_includes.sh SRC_DIR HEADER_FOLDER...
# The header folders are those of the Qt Widgets and Qt Print Support class headers (<QWidget>,
# <QPrinter>, ...): a header found in one of them is forbidden.
set -u
src=$1
shift
folders=("$@")
if [ ${#folders[@]} -eq 0 ]; then
    echo "no header folders given" >&2
    exit 2
fi
for folder in "${folders[@]}"; do
    if [ ! -d "$folder" ] || [ -z "$(ls -A "$folder")" ]; then
        echo "no headers in $folder" >&2
        exit 2
    fi
done

# Prints the lines of the files given that include a forbidden header.
offending() {
    local line header folder
    local include='^[^:]*:[0-9]+:[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*)[>"]'
    grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$@" | while IFS= read -r line; do
        [[ $line =~ $include ]] || continue
        header=${BASH_REMATCH[1]}
        case $header in
        ui/* | QtWidgets | QtWidgets/* | QtPrintSupport | QtPrintSupport/*) echo "$line" ;;
        */*) ;;
        *)
            for folder in "${folders[@]}"; do
                if [ -f "$folder/$header" ]; then
                    echo "$line"
                    break
                fi
            done
            ;;
        esac
    done
}

# The window's own start must be seen to include a Qt Widgets header (<QApplication>), or the check
# would see nothing.
if ! offending "$src/main.cpp" | grep -q '<'; then
    echo "no widget header found even in $src/main.cpp: wrong header folders" >&2
    exit 2
fi
mapfile -t others < <(find "$src" -type f -not -path "$src/ui/*" -not -path "$src/app/*" \
    -not -path "$src/main.cpp" | sort)
found=$(offending "${others[@]}")
if [ -n "$found" ]; then
    echo "Outside the windows, these lines include a window's, Qt Widgets' or Qt Print Support's header:"
    echo "$found"
    exit 1
fi
echo "${#others[@]} files outside the windows include no widget header"
