# A faster first build of the program: each library is compiled as one unit (a unity
# build), and the Qt headers the libraries share are parsed once, into a precompiled
# header.  Measured on a clean `--target ortelana` build, both together take about a
# third of the compiler's time (see docs/building.md).  ccache cannot cache a unit that
# uses a precompiled header, so with a compiler launcher the header is left out.  The
# libraries without widgets share a header of their own, with Qt GUI's headers only.
set(ortelana_libraries ortelana_calendar ortelana_cli ortelana_platform ortelana_paint ortelana_ui ortelana_sheet
    ortelana_output ortelana_print ortelana_weeks ortelana_info ortelana_app)
set_target_properties(${ortelana_libraries} PROPERTIES UNITY_BUILD ON)
if(NOT CMAKE_CXX_COMPILER_LAUNCHER)
    target_precompile_headers(ortelana_ui PRIVATE
        <QString> <QByteArray> <QPainter> <QImage> <QWidget> <QCoreApplication> <QApplication>
        <QLabel> <QFile> <QDialog> <QPushButton> <QMessageBox> <QUrl> <QList> <QColor>)
    foreach(library ortelana_weeks ortelana_info ortelana_app)
        target_precompile_headers(${library} REUSE_FROM ortelana_ui)
    endforeach()
    target_precompile_headers(ortelana_paint PRIVATE
        <QString> <QByteArray> <QPainter> <QImage> <QCoreApplication> <QFile> <QList> <QColor>)
    # Printing links widgets too, but not the widget layer: a reuse links its source.
    foreach(library ortelana_sheet ortelana_output ortelana_print)
        target_precompile_headers(${library} REUSE_FROM ortelana_paint)
    endforeach()
endif()
