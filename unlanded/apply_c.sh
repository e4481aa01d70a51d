#!/bin/bash
set -e
cd /work/wt/shape
cp /tmp/shape/ui-new/* src/ui/vedic/result/
cp /tmp/shape/ui/result_window.h /tmp/shape/ui/result_window.cpp src/ui/vedic/result/
cp /tmp/shape/c/export_document.h /tmp/shape/c/export_document.cpp /tmp/shape/c/match_document.h /tmp/shape/c/match_document.cpp src/core/vedic/result/
cp /tmp/shape/c/vedic_session.cpp src/ui/vedic/
cp /tmp/shape/c/export_document_test.cpp /tmp/shape/c/match_document_test.cpp tests/core/
cp /tmp/shape/c/vedic_test.cpp tests/ui/
git mv src/ui/shell/main_window.h src/ui/main_window.h
git mv src/ui/shell/main_window.cpp src/ui/main_window.cpp
git mv src/ui/vedic/entry/report_window.h src/ui/vedic/result/report_window.h
git mv src/ui/vedic/entry/report_window.cpp src/ui/vedic/result/report_window.cpp
grep -rl "ui/shell/main_window.h\|ui/vedic/entry/report_window.h\|src/ui/shell/main_window\|src/ui/vedic/entry/report_window" src tests CMakeLists.txt tests/CMakeLists.txt | xargs sed -i 's#ui/shell/main_window\.#ui/main_window.#g; s#ui/vedic/entry/report_window\.#ui/vedic/result/report_window.#g'
python3 - <<'PY'
p='CMakeLists.txt'
s=open(p).read()
a='    src/ui/vedic/result/chart_view.cpp\n'
assert a in s, 'chart_view'
new=''.join('    src/ui/vedic/result/%s\n' % f for f in ['about_page.cpp','about_page.h','birth_details_tab.cpp','birth_details_tab.h','catalogue_frame.cpp','catalogue_frame.h'])
s=s.replace(a,new+a)
a='    src/ui/vedic/result/chart_view.h\n'
new2=''.join('    src/ui/vedic/result/%s\n' % f for f in ['charts_tab.cpp','charts_tab.h','guna_milan_tab.cpp','guna_milan_tab.h','interpretation_tab.cpp','interpretation_tab.h'])
s=s.replace(a,a+new2)
for old in ['src/ui/vedic/entry/report_window', 'src/ui/vedic/result/report_window']:
    s=s.replace('    %s.cpp\n' % old,'').replace('    %s.h\n' % old,'')
a='    src/ui/vedic/result/result_window.cpp\n'
assert a in s, 'rw'
s=s.replace(a,'    src/ui/vedic/result/report_window.cpp\n    src/ui/vedic/result/report_window.h\n    src/ui/vedic/result/result_labels.cpp\n    src/ui/vedic/result/result_labels.h\n'+a)
open(p,'w').write(s)
PY
grep -n "src/ui" CMakeLists.txt
