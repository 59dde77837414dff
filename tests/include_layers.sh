#!/bin/sh
# Fails on an #include "folder/..." that points up the layers, so that they hold by themselves:
#
#   base -> platform -> (library, link) -> (params, ir, firmware) -> session -> */ui -> (app, cli)
#
# base includes only base; platform (what the system gives) includes base and platform; library
# includes base and library; link includes base, platform, library and link; sim includes base and library (it models the pedal, not the editor); params, ir and
# firmware include base, library, link and their own folder; session includes all of those; a
# ui/ folder anything but app and cli; app and cli anything but each other.
#
#   include_layers.sh SOURCE_DIR
set -eu
root=${1:?usage: include_layers.sh SOURCE_DIR}
cd "$root"

# Includes that point up on purpose: "file include why", one a line.
allowed_exceptions() {
    cat <<'EOF'
link/drivers/virtual_pedal_driver.h sim/virtual_pedal.h the in-process pedal's driver is kx_pedal_drivers, a library of its own over sim; kx_link does not link it
EOF
}

# Whether a file of layer $1 may include from folder $2.
allowed() {
    [ "$2" = base ] && return 0
    case "$1" in
    base) return 1 ;;
    platform) [ "$2" = platform ] ;;
    library) [ "$2" = library ] ;;
    link) [ "$2" = platform ] || [ "$2" = library ] || [ "$2" = link ] ;;
    sim) [ "$2" = library ] || [ "$2" = sim ] ;;
    params | ir | firmware)
        [ "$2" = platform ] || [ "$2" = library ] || [ "$2" = link ] || [ "$2" = "$1" ] ;;
    session)
        case "$2" in platform | library | link | params | ir | firmware | session) return 0 ;; esac
        return 1 ;;
    ui) [ "$2" != app ] && [ "$2" != cli ] ;;
    app) [ "$2" != cli ] ;;
    cli) [ "$2" != app ] ;;
    *) return 1 ;;
    esac
}

layers="base platform library link sim params ir firmware session app cli"
exceptions=$(allowed_exceptions)
found=0
for file in $(find $layers -type f \( -name '*.h' -o -name '*.cpp' \) | sort); do
    case "$file" in
    */ui/*) layer=ui ;;
    *) layer=${file%%/*} ;;
    esac
    # "line:folder/rest" for each quoted include of one of the layers' folders.
    for hit in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*\/[^"]*\)".*/\1/p' \
        "$file"); do
        folder=${hit%%/*}
        case " $layers " in *" $folder "*) ;; *) continue ;; esac
        allowed "$layer" "$folder" && continue
        if printf '%s\n' "$exceptions" | grep -qF "$file $hit "; then
            continue
        fi
        echo "$file: $layer includes $hit, which it may not include"
        found=1
    done
done
# An exception that no longer matches an include is stale: remove it.
printf '%s\n' "$exceptions" | while read -r file hit why; do
    if ! grep -qF "#include \"$hit\"" "$file" 2>/dev/null; then
        echo "tests/include_layers.sh: stale exception \"$file $hit\""
        exit 1
    fi
done || found=1
exit $found
