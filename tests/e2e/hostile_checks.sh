# shellcheck shell=bash
# Checks shared by the cases with hostile inputs; sourced by those case scripts.

# expect_no_copies 'C:\PureBasic': no copy of a carried file ("~" + its name without the first
# character) is left in the host.
expect_no_copies() {
    local dir left
    dir=$(unix_path "$1")
    left=$(find "$dir" -name '~*' -print 2>/dev/null || true)
    [[ -z $left ]] || fail "copies of carried files were left behind:"$'\n'"$left"
}

# expect_same_bytes 'C:\path\name' FILE: the file holds exactly the bytes of FILE.
expect_same_bytes() {
    local file
    file=$(unix_path "$1")
    cmp -s "$2" "$file" || fail "$1 is not byte for byte what it was before the run"
}

# expect_only_installed 'C:\PureBasic' NAME...: these carried files byte for byte; whatever
# stands at the targets of the others is not the carried file.
expect_only_installed() {
    local host=$1 entry name target file
    shift
    for entry in "${carried_files[@]}"; do
        name=${entry%%|*} target=$host\\${entry#*|}
        file=$(unix_path "$target")
        if [[ " $* " == *" $name "* ]]; then
            cmp -s "$PAYLOAD_DIR/$name" "$file" || fail "$target is not the carried $name"
        elif cmp -s "$PAYLOAD_DIR/$name" "$file"; then
            fail "$target should not have been written"
        fi
    done
}
