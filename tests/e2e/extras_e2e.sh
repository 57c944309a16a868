#!/usr/bin/env bash
# The Extras generators by keyboard only: overview.html in two layouts and briefing.html with
# three sections, written through the real file dialog and compared byte for byte; the
# multiplayer template appended to the document; Esc in each generator and in the file dialog.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
trap e2e_stop EXIT
e2e_start "$1"
e2e_doc_start

# Extras menu items: 0 overview.html, 1 briefing.html, 2 the MP template.
OVERVIEW="Saltor Editor - Overview generator"
DEBRIEFING="Saltor Editor - Debriefing generator"
MP_TEMPLATE="Saltor Editor - MP template generator"

# overview, tab order: Text1, Text2, Text3, Text4, Create, Cancel, Check1, Check2, "<br />".
e2e_menu x 0
e2e_dialog "$OVERVIEW" > /dev/null
e2e_type "junk"
e2e_keys Escape
e2e_closed "$OVERVIEW"
e2e_write_on "after-Esc-in-overview"

# Picture and description; "<br />" appends its line break to the description.
e2e_menu x 0
e2e_dialog "$OVERVIEW" > /dev/null
e2e_type "pics/overview.paa"
e2e_tab 1
e2e_type "256"
e2e_tab 1
e2e_type "128"
e2e_tab 1
e2e_type "Take the town"
e2e_tab 5
e2e_keys space
e2e_backtab 4
e2e_keys space
e2e_file_dialog "$WORK/overview-both.html"
e2e_closed "$OVERVIEW"
e2e_check_file overview-both "$WORK/overview-both.html" \
'<html>\r\n\t<head>\r\n\t\t<title>Overview</title>\r\n\t</head>\r\n\t<body bgcolor="#FFFFFF">\r\n\t\t<p align="center"><img src="pics/overview.paa" width="256" height="128"></p>\r\n\t\t<p>Take the town<br />\r\n</p>\r\n\t</body>\r\n</html>'

# Description only: "Add picture" unticked switches the three picture boxes off, so Tab passes
# from the option boxes straight to the description.
e2e_menu x 0
e2e_dialog "$OVERVIEW" > /dev/null
e2e_type "dropped.paa"
e2e_tab 6
e2e_keys space
e2e_tab 3
e2e_type "Only words"
e2e_tab 1
e2e_keys space
e2e_file_dialog "$WORK/overview-words.html"
e2e_closed "$OVERVIEW"
e2e_check_file overview-words "$WORK/overview-words.html" \
'<html>\r\n\t<head>\r\n\t\t<title>Overview</title>\r\n\t</head>\r\n\t<body bgcolor="#FFFFFF">\r\n\t\t<p>Only words</p>\r\n\t</body>\r\n</html>'

# Esc in the file dialog: nothing is written, the generator closes all the same.
e2e_menu x 0
e2e_dialog "$OVERVIEW" > /dev/null
files_before="$(ls "$WORK")"
e2e_tab 4
e2e_keys space
dialog="$(e2e_wait_window '^Save As$')"
e2e_wait_active "$dialog"
e2e_keys Escape
e2e_closed "$OVERVIEW"
[ "$(ls "$WORK")" = "$files_before" ] || e2e_fail "overview wrote a file although its file dialog was cancelled"

# debriefing: the focus starts on End 1's "Active"; Ctrl+Tab moves to the next tab and the
# focus into it. Each section: Active, title, description, "<br />".
e2e_menu x 1
e2e_dialog "$DEBRIEFING" > /dev/null
e2e_tab 1
e2e_type "junk"
e2e_keys Escape
e2e_closed "$DEBRIEFING"
e2e_write_on "after-Esc-in-debriefing"

e2e_menu x 1
e2e_dialog "$DEBRIEFING" > /dev/null
e2e_tab 1
e2e_type "Victory"
e2e_tab 1
e2e_type "All objectives taken."
e2e_tab 1
e2e_keys space
# End 2 stays unticked; End 3 ticked with a title only.
e2e_keys ctrl+Tab ctrl+Tab
e2e_keys space
e2e_tab 1
e2e_type "Stalemate"
# End 4 to End 6 unticked; Loose ticked.
e2e_keys ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab
e2e_keys space
e2e_tab 1
e2e_type "Defeat"
e2e_tab 1
e2e_type "Line one"
e2e_keys Return
e2e_type "Line two"
# Round to End 1, whose focus was last on its "<br />"; Create follows it.
e2e_keys ctrl+Tab
e2e_tab 1
e2e_keys space
e2e_file_dialog "$WORK/briefing.html"
e2e_closed "$DEBRIEFING"
head='<html>\r\n<head>\r\n\t<title>Briefing</title>\r\n</head>\r\n<body>\r\n\r\n<!-- Notes -->\r\n\t<h2><a name="Main"></a></h2>\r\n\t<h6></h6>\r\n\t<hr />\r\n\r\n<!-- Briefing -->\r\n\t<h2><a name="Plan"></a></h2>\r\n\t<hr />\r\n\r\n<!-- Debriefing -->\r\n'
end1='<br />\r\n<h2><p><a name="Debriefing:End1">Victory</a></p></h2>\r\n<br />\r\n\t<p>All objectives taken.<br />\r\n</p>\r\n<br />\r\n<hr />\r\n\r\n'
end3='<br />\r\n<h2><p><a name="Debriefing:End3">Stalemate</a></p></h2>\r\n<br />\r\n\t<p></p>\r\n<br />\r\n<hr />\r\n\r\n'
loose='<br />\r\n<h2><p><a name="Debriefing:Loose">Defeat</a></p></h2>\r\n<br />\r\n\t<p>Line one\r\nLine two</p>\r\n<br />\r\n<hr />\r\n\r\n'
inactive='\r\n\t'
e2e_check_file briefing "$WORK/briefing.html" \
    "$head$end1$inactive$end3$inactive$inactive$inactive$loose"'\r\n</body>\r\n</html>'

# MP_template, tab order: playableUnitName, West, East, Resistance, Civilian, Create, Cancel.
e2e_menu x 2
e2e_dialog "$MP_TEMPLATE" > /dev/null
e2e_type "junk"
e2e_keys Escape
e2e_closed "$MP_TEMPLATE"
e2e_write_on "after-Esc-in-MP_template"

# Create without a unit name is refused; then East and Resistance are unticked.
e2e_menu x 2
template="$(e2e_dialog "$MP_TEMPLATE")"
e2e_tab 5
e2e_keys space
box="$(e2e_box)"
e2e_keys Return
e2e_box_closed "$box" "$template"
e2e_visible "$template" || e2e_fail "MP_template closed after the refused Create"
e2e_backtab 5
e2e_type "player"
e2e_tab 2
e2e_keys space
e2e_tab 1
e2e_keys space
e2e_tab 2
e2e_keys space
e2e_closed "$MP_TEMPLATE"
e2e_doc_add '// Basic MP briefing template created in Saltor Editor by Tavik\r\n\r\nswitch (side player) do {\r\n\r\n'
e2e_doc_add '\tcase WEST:\r\n\t\t{\r\n\t\t\t// briefing code for the BLUFOR\r\n\r\n\t\t};\r\n\r\n'
e2e_doc_add '\tcase CIVILIAN:\r\n\t\t{\r\n\t\t\t// briefing code for the CIV\r\n\r\n\t\t};\r\n\r\n'
e2e_doc_add '};\r\n'
e2e_doc_check extras

e2e_finish
