# Lays the shipped data tree beside the executable. Run with -DSRC=<data/skins> -DDST=<bin/skins>.
# A file is copied when it is missing at the destination or the shipped copy is newer, so the
# settings a developer changed by running the program survive a rebuild until the shipped
# file itself changes.
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*")
foreach(rel IN LISTS files)
    set(from "${SRC}/${rel}")
    set(to "${DST}/${rel}")
    if(NOT EXISTS "${to}" OR "${from}" IS_NEWER_THAN "${to}")
        get_filename_component(dir "${to}" DIRECTORY)
        file(MAKE_DIRECTORY "${dir}")
        file(COPY_FILE "${from}" "${to}")
    endif()
endforeach()
