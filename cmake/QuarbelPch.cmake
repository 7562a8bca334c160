# Precompiled headers: a cold build spent much of its time parsing the same Qt
# and GoogleTest headers (with the standard ones they pull in) in every file.
# The Qt layer and each kind of test program precompile them once, and the
# targets built with the same flags reuse that. The core's files are small
# and include little: loading a precompiled header cost them more than it saved.
# The headers are the ones most sources include; a source still includes what
# it uses, as it would without them (QB_PCH=OFF, and for a parent project).
set(QB_PCH_STD
  <algorithm> <array> <atomic> <cmath> <cstddef> <cstdint> <cstdio> <cstdlib> <cstring>
  <filesystem> <functional> <iterator> <map> <memory> <optional> <set> <span>
  <string> <string_view> <utility> <vector>)
set(QB_PCH_QT
  <QAbstractButton> <QAction> <QApplication> <QButtonGroup> <QCheckBox> <QCloseEvent>
  <QComboBox> <QDialog> <QFileDialog> <QFocusEvent> <QFrame> <QGridLayout> <QGroupBox>
  <QHBoxLayout> <QImage> <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMdiArea>
  <QMdiSubWindow> <QMenu> <QMouseEvent> <QPainter> <QPainterPath> <QPixmap>
  <QPushButton> <QRadioButton> <QScreen> <QScrollBar> <QString> <QTextEdit> <QTimer>
  <QToolBar> <QTreeWidget> <QVBoxLayout> <QWidget> <QWindow>)
set(QB_PCH_TEST <gtest/gtest.h> <gmock/gmock.h>)

# quarbel_pch(target HEADERS...) or quarbel_pch(target REUSE other): the
# second only between targets whose compile flags and definitions agree
# (else the compiler passes over the header and parses as before).
function(quarbel_pch target)
  if(NOT QB_PCH)
    return()
  endif()
  if(ARGV1 STREQUAL "REUSE")
    target_precompile_headers(${target} REUSE_FROM ${ARGV2})
  else()
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()
