# One interface target carries the language standard, the warnings and Qt's safety defines.
add_library(velmarin_options INTERFACE)
target_compile_features(velmarin_options INTERFACE cxx_std_20)
target_compile_options(velmarin_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
    -Woverloaded-virtual
    # -Wconversion/-Wsign-conversion stay off: Qt's qsizetype against int indices needs its own sweep first.
    $<$<BOOL:${VELMARIN_WERROR}>:-Werror>)

# ASan + UBSan for the whole build, tests included; use a build folder of its own.
if(VELMARIN_SANITIZE)
    target_compile_options(velmarin_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(velmarin_options INTERFACE -fsanitize=address,undefined)
endif()
target_compile_definitions(velmarin_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    QT_NO_KEYWORDS
    QT_DISABLE_DEPRECATED_UP_TO=0x060400)
