# One INTERFACE target that every target of the project links: the language
# standard, the warning set and the Qt defines live here and nowhere else.
add_library(wall_common INTERFACE)
target_compile_features(wall_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(wall_common INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>
    # Designated initializers leave the members they do not name at their
    # defaults; GCC 12 still reports those members as missing.
    $<$<CXX_COMPILER_ID:GNU>:-Wno-missing-field-initializers>
    $<$<CXX_COMPILER_ID:MSVC>:/W4 /utf-8>)
target_compile_definitions(wall_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_KEYWORDS
    QT_USE_QSTRINGBUILDER)
