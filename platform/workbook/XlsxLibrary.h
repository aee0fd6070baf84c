#pragma once

// The workbook library's functions, bound when the first workbook is written.
// The library is not linked into the suite: it brings a cryptography library
// whose loading and relocation would add milliseconds to every start of both
// programs, while most sessions never write a workbook.

#include <xlsxwriter.h>

namespace platform::workbook {

// Every function of the library the suite calls, listed once.
#define QEL_XLSX_FUNCTIONS(X)                                                                                      \
    X(workbook_new_opt) X(workbook_close) X(workbook_add_worksheet) X(workbook_add_format) X(lxw_workbook_free)    \
    X(lxw_strerror) X(worksheet_write_blank) X(worksheet_write_boolean) X(worksheet_write_number)                   \
    X(worksheet_write_string) X(worksheet_merge_range) X(worksheet_set_column) X(worksheet_set_default_row)          \
    X(worksheet_set_row) X(worksheet_gridlines) X(worksheet_set_landscape) X(worksheet_set_print_scale)             \
    X(worksheet_set_margins) X(worksheet_set_header_opt) X(worksheet_set_footer_opt) X(worksheet_set_selection)      \
    X(worksheet_insert_image_opt) X(format_set_font_name) X(format_set_font_size) X(format_set_bold)                 \
    X(format_set_italic) X(format_set_font_color) X(format_set_align) X(format_set_text_wrap) X(format_set_pattern)  \
    X(format_set_bg_color) X(format_set_fg_color) X(format_set_left) X(format_set_left_color) X(format_set_top)      \
    X(format_set_top_color) X(format_set_right) X(format_set_right_color) X(format_set_bottom)                       \
    X(format_set_bottom_color)

struct XlsxLibrary {
#define QEL_XLSX_MEMBER(name) decltype(&::name) name = nullptr;
    QEL_XLSX_FUNCTIONS(QEL_XLSX_MEMBER)
#undef QEL_XLSX_MEMBER
};

// The library, loaded on the first call. A library that cannot be loaded, or
// lacks one of the functions, is a RuntimeError (kApplicationError) naming it,
// at each call, so a workbook save reports it and nothing else is affected.
const XlsxLibrary& xlsxLibrary();

} // namespace platform::workbook
