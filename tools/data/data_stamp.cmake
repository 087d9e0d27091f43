# Writes SHIPPED_DIR/data/stamp: one line holding a SHA-256 over the name and content of every
# other shipped file. Any change to the shipped data changes it, and the same data always gives
# the same stamp. Run with -DSHIPPED_DIR=...
file(GLOB_RECURSE names RELATIVE "${SHIPPED_DIR}" "${SHIPPED_DIR}/*")
list(REMOVE_ITEM names data/stamp)
list(SORT names)
set(listing "")
foreach(name IN LISTS names)
    file(SHA256 "${SHIPPED_DIR}/${name}" hash)
    string(APPEND listing "${hash}  ${name}\n")
endforeach()
string(SHA256 stamp "${listing}")
file(WRITE "${SHIPPED_DIR}/data/stamp" "quillby-data sha256:${stamp}\n")
