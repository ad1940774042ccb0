# SPDX-License-Identifier: GPL-3.0-or-later
# How a program of this project is linked for a web page.

# The faces and Qt's French texts, which a browser does not have, go in with
# the program, where it looks for them beside itself: in /app of the page's
# own file system. The page names the program /app/systemes-regulation, and
# Qt finds a program's folder only when the program's file is there too.
file(WRITE ${CMAKE_BINARY_DIR}/web-program-file "")
set(REGULATION_WEB_FILES
    ${CMAKE_BINARY_DIR}/web-program-file@/app/systemes-regulation
    /usr/share/wine/fonts/ms_sans_serif.ttf@/app/fonts/ms_sans_serif.ttf
    /usr/share/fonts/truetype/freefont/FreeSans.ttf@/app/fonts/FreeSans.ttf
    /usr/share/fonts/truetype/freefont/FreeSansBold.ttf@/app/fonts/FreeSansBold.ttf
    /usr/share/qt6/translations/qtbase_fr.qm@/app/translations/qtbase_fr.qm)

# regulation_link_for_web(<target> [TEST])
function(regulation_link_for_web target)
    if(ARGC GREATER 1)
        # A test links unoptimised, in seconds. Most answer their questions
        # through scripted messages; those whose dialogs run nested event
        # loops add asyncify themselves.
        target_link_options(${target} PRIVATE "-O0")
    else()
        # The modal questions run a nested event loop, which a page has only
        # through asyncify.
        target_link_options(${target} PRIVATE "SHELL:-s ASYNCIFY" "-Os")
    endif()
    # The page hands the program its environment (Qt's loader writes
    # Module.ENV). Qt's own list of exported run-time methods comes after
    # ours on the link line; the older "extra" list is added to it.
    target_link_options(${target} PRIVATE "SHELL:-s EXTRA_EXPORTED_RUNTIME_METHODS=ENV"
                        "-Wno-deprecated")
    foreach(file IN LISTS REGULATION_WEB_FILES)
        target_link_options(${target} PRIVATE "SHELL:--embed-file ${file}")
    endforeach()
endfunction()
