#include "cli/script_language.h"

namespace vd {

const char* scriptLanguageHelp() {
  return R"(Usage: vardelin-cli [--settings FILE] [--job FILE] [SCRIPT | -]
       vardelin-cli [--settings FILE] [--job FILE] --batch FORM TABLE.csv [--lightest] [--reports DIR]
       vardelin-cli --help | --version

Runs SCRIPT (a file; standard input when it is missing or "-") of user actions against
Vardelin's forms, in the current directory, and prints what a user would see. Settings come
from FILE, by default Vardelin.ini in $XDG_CONFIG_HOME/Vardelin/ (else ~/.config/Vardelin/).
Report, data and picture files (cbm.wri, Moment.emf, ...) go to the current directory.
With --job FILE (a *.vardelin job, created when it does not exist) every calculation accepted
with OK is also saved in the job, and the "job" lines below work on it. A file that is not a job,
is damaged, read-only or from a newer Vardelin is refused (exit status 2) and left unchanged.

Script lines, one action each:
  # comment                 ignored, as are blank lines
  menu ITEM                 run the menu command whose item text is ITEM, with "&" and the
                            tab-and-accelerator part dropped ("menu Stl Wide Flange Bm/ASD",
                            "menu 1.0 psi  = 6.895 kPa"). A form it opens is the current form
                            until OK or Cancel closes it; a menu line before that is an error.
                            A grayed command prints "grayed: ITEM" and does nothing.
  set FIELD TEXT            type TEXT (the rest of the line) into the edit field FIELD;
                            a grayed field prints "grayed: FIELD" and keeps its text
  set FIELD[R] TEXT         a field of a grid: R is the data row it edits (a beam load within
  set FIELD[R,C] TEXT       its kind from 0, a bar row 0-11, a storey level 1-10, a take-down
                            row 0-3), C the column from 0, left to right
  pick ITEM                 select the row whose text is ITEM, or failing that the one row whose
                            text starts with ITEM, in whichever list or drop-down list holds it
  pick #N                   select row N (from 0) of the form's first list
  pick LIST #N              select row N of the list labelled LIST
  check BOX on|off          set a check box
  choose BUTTON             click the radio button with that text
  press BUTTON              press a push button by its text (a grayed one does nothing).
                            "press Cancel" also closes a form without a Cancel button (the
                            Escape key). The pages of a property sheet are one form: every
                            page's controls can be addressed, "press Apply" applies and
                            "press OK" applies and closes it. On a beam analysis,
                            press "Design this beam..." after picking the design ("W beam
                            ASD", "W beam LRFD", "sawn beam", "timber beam", "glulam beam"):
                            the analysis closes as with OK and the design form opens as the
                            current form, filled with the analysis's moment, shear, Cb, span
                            and unbraced length; "pick L/240" (L/360, L/480, "L/n typed" with
                            "set "typed limit L/" N") sets its deflection limit.
                            "press Lightest" sizes the member on the design forms that
                            pick a section or a size (see "show candidates").
  answer yes|no             the answer to the next Yes/No question (without one: No)
  show pad                  print the report pad's whole text
  show FIELD                print a control's text (an edit field, a display pane, a text
                            line; the selected row of a list)
  show status               print the form's two status-bar parts, one a line
  show panes                print the text of each pane that has no label (the member, the
                            results), in the form's reading order
  show candidates           print the rows the form's last "Lightest" search found (the
                            lightest passing sections with weight and governing ratio, or
                            the check that fails on the heaviest row); empty before a search
  show messages             print every message box and question shown since the last
                            "show messages", one a line, as CAPTION: TEXT
  show menu ITEM            print "enabled" or "grayed"
  job header FIELD TEXT     set a field of the job's title block: project, number, client,
                            engineer, address, notes or units
  job summary               print the job's calculations: number, mark, form, section, ratio,
                            verdict, date
  job rerun                 recalculate every stored calculation from its inputs (scratch
                            settings, scratch folder) and list those whose report or verdict changed
  job export FILE.pdf       write the calculation package: cover, index, each calculation on
                            its own pages with its diagrams, header and "Page n of N" footer
  job open N                open calculation N in its form with its stored inputs; OK there
                            replaces calculation N in the job

FIELD, BOX, BUTTON and LIST are a control's label as the form shows it, compared after
trimming, folding runs of blanks to one, ignoring case and a trailing "=" or ":"; a unique
prefix is enough; double quotes enclose a name with blanks ("set "ft in 1/16" 3 4 5").
Printed text has its "\r\n" line ends written as "\n".

Message boxes the script does not print with "show messages" go to standard error when the
script ends, one a line, as "message: CAPTION: TEXT".

Exit status: 0 when every line ran and every file was written; 1 when every line ran but a
file (a report, data file, picture or the settings file) could not be written, the reason
being among the messages; 2, with a one-line message on standard error naming the line
("line N: reason: "text"", the text cut to 80 characters, control bytes escaped), when a line
names a command, control or item that does not exist or is not a script line. The lines
before it have run.

Batch runs (--batch FORM TABLE.csv, TABLE "-" for standard input) calculate one form for every row
of a CSV table, each row exactly as the script "menu FORM", "set FIELD VALUE"..., "pick SECTION",
"press OK" would, starting from the settings as they are (a batch stores none of its inputs):
  FORM                      the menu item text, matched as a "menu" line matches it
  header line               one column a field, named by its label as scripts name it (grid cells
                            as "point loads[0,1]"), plus "mark" (goes into the form's location text)
                            and "section" (a row of the form's section list, named whole)
  cells                     an edit field gets the cell as typed (an empty cell empties the field);
                            a list or drop-down the row it names; a check box or radio button on or
                            off; an empty choice stays as the form opens. Choices are made first.
  --lightest                a row with an empty section gets the form's "Lightest" passing section
                            (a form without that button gives an error row)
  --reports DIR             each row's report (the pad's text) as DIR/NNN-mark.txt
  --job FILE                each calculation is also stored in the job
The table is RFC 4180 CSV (quoted fields may hold commas, quotes and line ends; CRLF or LF; a
UTF-8 byte-order mark is skipped). Standard output is a CSV line a row, written as each finishes:
mark, section, the input columns as given, ratio, verdict (OK / NO GOOD), governing check and, with
--lightest, the chosen section and the rows the search found. A row the form refuses (a cell that is
not a number, an unknown section or list row, a grayed field given a value) has the verdict ERROR and
its check names the column and the reason; the other rows still run. A search that finds no passing
section gives NO GOOD with "no section passes". Exit status: 0 when every row was calculated, 1 when
a row has ERROR or a file could not be written, 2 (no row run) when FORM, a header column or the CSV
itself is wrong.

Example:
  printf 'menu ft in 1/16 -> mm\nset "ft in 1/16" 3 4 5\npress Calculate\npress OK\nshow pad\n' |
    vardelin-cli --settings /tmp/try.ini
)";
}

}  // namespace vd
