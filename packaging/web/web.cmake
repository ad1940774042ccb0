# SPDX-License-Identifier: GPL-3.0-or-later
# How a program of this project is linked for a web page.

# The faces and Qt's French texts, which a browser does not have, go in with
# the program, where it looks for them beside itself: in /app of the page's
# own file system. The page names the program /app/systemes-regulation, and
# Qt finds a program's folder only when the program's file is there too.
file(WRITE ${CMAKE_BINARY_DIR}/web-program-file "")

# The outline faces as a page needs them: the Latin, Greek and symbol ranges
# the program's texts and a teacher's names use, a seventh of FreeSans's
# weight (its other scripts stay on the desktop, whose faces are the
# system's). The same glyphs, metrics and kerning for what is kept.
find_program(REGULATION_PYFTSUBSET pyftsubset REQUIRED)
set(regulation_plages "U+0000-024F,U+0259,U+02B0-036F,U+0370-03FF,U+1E00-1EFF,U+2000-218F")
string(APPEND regulation_plages ",U+2190-23FF,U+2460-257F,U+25A0-26FF,U+FB00-FB06,U+FFFD")
foreach(face FreeSans FreeSansBold)
    set(regulation_face ${CMAKE_BINARY_DIR}/polices-page/${face}.ttf)
    if(NOT EXISTS ${regulation_face})
        file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/polices-page)
        execute_process(COMMAND ${REGULATION_PYFTSUBSET}
                                /usr/share/fonts/truetype/freefont/${face}.ttf
                                --unicodes=${regulation_plages} --layout-features=*
                                --name-IDs=* --name-languages=* --notdef-outline
                                --output-file=${regulation_face}
                        RESULT_VARIABLE regulation_resultat ERROR_QUIET)
        if(NOT regulation_resultat EQUAL 0)
            message(FATAL_ERROR "pyftsubset could not make ${regulation_face}")
        endif()
    endif()
endforeach()

set(REGULATION_WEB_FILES
    ${CMAKE_BINARY_DIR}/web-program-file@/app/systemes-regulation
    /usr/share/wine/fonts/ms_sans_serif.ttf@/app/fonts/ms_sans_serif.ttf
    ${CMAKE_BINARY_DIR}/polices-page/FreeSans.ttf@/app/fonts/FreeSans.ttf
    ${CMAKE_BINARY_DIR}/polices-page/FreeSansBold.ttf@/app/fonts/FreeSansBold.ttf
    /usr/share/qt6/translations/qtbase_fr.qm@/app/translations/qtbase_fr.qm)

# A page waits for a question's answer only through asyncify, which
# instruments every function that might be on the stack while the page
# waits: the question's caller, the event or signal that reached it, the
# dialog's own loop. Left to itself it instruments every function that calls
# through a pointer, and their callers: a fifth of what a first visit
# downloads. The parts of Qt below call through pointers only to allocate,
# log, convert, draw, lay out or tear down, never on to a question: asyncify
# leaves them, and so the callers it instrumented only for them, as they are.
# Whatever delivers an event or a signal, and every dialog (a printer's and
# its file chooser's too), stays instrumented.
set(regulation_sans_attente
    # Memory, logging, meta-types, containers and streams: a new handler, a
    # message handler, a type's own copy, comparison or printing.
    "operator new*" "operator delete*" "QObjectData::dynamicMetaObject*" "QMetaType::*"
    "QMetaObject::cast*" "QMetaObject::tr*" "qt_QMetaEnum_*" "QMessageLogger::*" "QDebug*"
    "operator<<*" "operator>>*" "QLoggingCategory*" "QBasicTimer::*" "QObject::killTimer*"
    "QObject::startTimer*" "QObject::connect*" "QObject::disconnect*"
    "QCoreApplication::translate*" "QCoreApplication::postEvent*" "QTextStream*" "QDataStream*"
    "QVariant::*" "QUntypedPropertyBinding*" "QtPrivate::QPropertyBindingData*"
    "QtPrivate::QMetaTypeForType*" "QtPrivate::QDebugStreamOperatorForType*"
    "QtPrivate::QDataStreamOperatorForType*" "QtPrivate::QEqualityOperatorForType*"
    "QtPrivate::QLessThanOperatorForType*" "QtMetaContainerPrivate::*" "QHashPrivate::*"
    "qHash*" "QHashSeed*" "QIODevice::read*" "QIODevice::write*" "QString::*" "QByteArray::*"
    "QLocale*" "localeString*" "QRegularExpression*" "pcre2_*" "QUrl*" "QResource*"
    "qRegisterResourceData*" "qUnregisterResourceData*" "QFactoryLoader*" "QFileSystem*"
    "QFileInfo*" "QDir*" "std::__2::locale*" "std::__2::ctype*" "std::__2::__pad_and_output*"
    "std::__2::num_*" "std::__2::__num*" "std::__2::time_*" "std::__2::__time*"
    "std::__2::money*" "std::__2::__money*" "std::__2::codecvt*" "std::__2::basic_*"
    "std::__2::istreambuf_iterator*" "std::__2::ostreambuf_iterator*" "std::__2::vector*"
    "std::__2::__tree*" "std::__2::__hash*" "std::__2::unique_ptr*"
    # Tearing down: a destructor never asks.
    "*::~*"
    # Drawing: the painter and its engines, pictures and their codecs, colours,
    # the styles, the faces and their shaping, text laid out.
    "QPainter*" "Q*PaintEngine*" "QRasterizer*" "QRegion*" "QPen*" "QBrush*" "QPalette*"
    "QColor*" "QColorSpace*" "QColorTransform*" "QIcc*" "QCursor*" "QIcon*" "QPixmap*" "QImage*"
    "QPicture*" "QPngHandler*" "png_*" "QJpeg*" "jpeg_*" "QGif*" "QIco*" "blend_*" "convert_*"
    "fetch*" "store*" "qt_blend*" "qt_memfill*" "qt_convert*" "qt_fetch*" "qt_alphamap*"
    "qt_bitmapblit*" "Q*Style::*" "QStyleSheetStyle*" "QRenderRule*" "QCss::*" "QStyleOption*"
    "QFont*" "hb_*" "_hb_*" "OT::*" "AAT::*" "CFF::*" "FT_*" "ft_*" "tt_*" "TT_*" "cff_*"
    "cf2_*" "ps_*" "af_*" "t1_*" "T1_*" "sfnt_*" "QTextEngine*" "QTextLayout*" "QTextLine*"
    "QTextFormat*" "QTextCharFormat*" "QTextOption*" "QTextHtml*" "QTextDocumentLayout*"
    "QTextBoundaryFinder*" "QTextImageHandler*" "QTextMarkdown*" "md_*" "QTextOdf*" "QXml*"
    # Laying out, the screens, animations.
    "QLayout*" "QBoxLayout*" "QGridLayout*" "QFormLayout*" "QStackedLayout*" "QWidgetItem*"
    "QSpacerItem*" "QScreen*" "QEasingCurve*" "QVariantAnimation*" "QPropertyAnimation*"
    # What a page of this program never shows.
    "QGraphics*" "QMdi*" "QRhi*" "QOpenGL*" "QPdf*" "QCalendar*" "QDateTime*" "QDockArea*"
    "QToolBarLayout*" "QMainWindowLayout*"
    # Qt 6.4 has no screen reader's bridge in a page: nothing there calls an
    # accessible action (a later Qt that has one must take this line out).
    "QAccessible*")
string(REPLACE ";" "\n" regulation_sans_attente "${regulation_sans_attente}")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/asyncify-sans-attente.txt
     CONTENT "${regulation_sans_attente}\n")
set(REGULATION_WEB_ASYNCIFY "SHELL:-s ASYNCIFY"
    "SHELL:-s ASYNCIFY_REMOVE=@${CMAKE_BINARY_DIR}/asyncify-sans-attente.txt")

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
        target_link_options(${target} PRIVATE ${REGULATION_WEB_ASYNCIFY} "-Os")
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

# Qt's own faces for a page (DejaVu Sans and Sans Mono, a megabyte of the
# program that compression cannot shrink) are never drawn: the program embeds
# and uses its own. Their resource is linked as an empty object instead.
if(TARGET Qt6::QWasmIntegrationPlugin_resources_1)
    set(regulation_sans_polices_qt ${CMAKE_BINARY_DIR}/sans-polices-qt.o)
    if(NOT EXISTS ${regulation_sans_polices_qt})
        file(WRITE ${CMAKE_BINARY_DIR}/sans-polices-qt.cpp
             "// Stands for Qt's faces for a page, which the program does not use.\n")
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -c ${CMAKE_BINARY_DIR}/sans-polices-qt.cpp
                                -o ${regulation_sans_polices_qt}
                        RESULT_VARIABLE regulation_sans_polices_resultat)
        if(NOT regulation_sans_polices_resultat EQUAL 0)
            message(FATAL_ERROR "compiling ${regulation_sans_polices_qt} failed")
        endif()
    endif()
    set_property(TARGET Qt6::QWasmIntegrationPlugin_resources_1
                 PROPERTY IMPORTED_OBJECTS_RELEASE ${regulation_sans_polices_qt})
endif()
