#pragma once

// Resource identifiers of the Quorvel External Players Descriptions Wizard.
// Plain #define lines only, so that both the C++ compiler and the resource
// compiler can read this file.

// String table
#define IDS_ABOUTBOX                        101  // system menu about item
#define IDS_COL_WINDOW_TITLE                104  // step 1 list column 0
#define IDS_COL_WINDOW_CLASS                105  // step 1 list column 1
#define IDS_FINDER_HINT                     530  // step 1 finder, at rest
#define IDS_COL_PROGRAM                     531  // step 1 list column 2
#define IDS_FILTER_CUE                      532  // step 1 filter box, when empty
#define IDS_COL_CAPTURED_TITLES             107  // step 3 titles list column 1
#define IDS_COL_INTERPRETATION              108  // step 3 titles list column 2
#define IDS_COL_TEMPLATES                   109  // step 3 templates list column 1
#define IDS_UNRECOGNIZED                    110  // title matched by no template
#define IDS_COL_EXAMPLE                     111  // step 3 templates list column 2
#define IDS_STEP3_TITLE                     123  // step 3 header title
#define IDS_STEP3_SUBTITLE                  124  // step 3 header subtitle
#define IDS_STEP1_TITLE_EDIT                125  // step 1 header title, edit mode
#define IDS_STEP1_SUBTITLE_EDIT             126  // step 1 header subtitle, edit mode
#define IDS_STEP2_TITLE                     127  // step 2 header title
#define IDS_STEP2_SUBTITLE                  128  // step 2 header subtitle
#define IDS_CONFIRM_DELETE_ITEM             129  // step 3 delete template question
#define IDS_STEP4_TITLE                     134  // step 4 header title
#define IDS_STEP4_SUBTITLE                  135  // step 4 header subtitle
#define IDS_SAMPLE_TITLE                    138  // Paint title example text
#define IDS_PAINT_NO_PARAMETERS             139  // Paint title: nothing marked
#define IDS_SHOW_ADDITIONAL_MARKERS         140  // Paint title toggle, collapsed
#define IDS_HIDE_ADDITIONAL_MARKERS         141  // Paint title toggle, expanded
#define IDS_PLAYER_NAME_EXISTS              149  // duplicate player name
#define IDS_COL_N                           152  // step 3 lists column 0
#define IDS_CONFIRM_DELETE_PLAYER           153  // main dialog delete question
#define IDS_SAVE_CHANGES                    155  // main dialog OK question
#define IDS_WND_CLASS_CHANGED               156  // step 4 class changed note
#define IDS_UNKNOWN_PARAMETER               158  // template: unknown name
#define IDS_MULTIPLE_DEFINITIONS            159  // template: repeated name
#define IDS_INCORRECT_LINE                  160  // rules file: bad line
#define IDS_LINE_OUT_OF_SEQUENCE            161  // rules file: misplaced line
#define IDS_NO_ACTUAL_PARAMETERS            163  // template: only Unused
#define IDS_PLAYER_NAME_BLANK               164  // empty player name
#define IDS_NO_PLAYERS_FOUND                165  // no section in rules
#define IDS_EQUAL_TEMPLATES                 166  // template repeated in a section
#define IDS_STEP1_SUBTITLE_ADD              168  // step 1 header subtitle, add-new mode
#define IDS_CAPTION_ADD_STEP1               169  // page caption, add-new mode
#define IDS_CAPTION_ADD_STEP2               170  // page caption, add-new mode
#define IDS_STEP1_TITLE_ADD                 171  // step 1 header title, add-new mode
#define IDS_CAPTION_ADD_STEP3               172  // page caption, add-new mode
#define IDS_CAPTION_ADD_STEP4               173  // page caption, add-new mode
#define IDS_CAPTION_EDIT_STEP1              174  // page caption, edit mode
#define IDS_CAPTION_EDIT_STEP2              175  // page caption, edit mode
#define IDS_CAPTION_EDIT_STEP3              176  // page caption, edit mode
#define IDS_CAPTION_EDIT_STEP4              177  // page caption, edit mode
#define IDS_UNEXPECTED_ERROR                182  // system error report
#define IDS_WINDOW_NOT_FOUND                183  // step 1: chosen window gone
#define IDS_TOO_MANY_RIGHT_BRACKETS         184  // template syntax
#define IDS_NESTED_BRACKETS                 185  // template syntax
#define IDS_EMPTY_PARAMETER                 186  // template syntax: <>
#define IDS_MISSING_STRING_BETWEEN_BRACKETS 187  // template syntax: ><
#define IDS_PARAMETERS_NOT_DEFINED          188  // template syntax: no bracket
#define IDS_UNBALANCED_BRACKETS             189  // template syntax: left open
#define IDS_TEMPLATE_NOT_DEFINED            190  // empty template / section without template
#define IDS_ERROR_IN_TEMPLATE               191  // template error box
#define IDS_WIZARD_CAPTION                  192  // wizard sheet caption
#define IDS_QUIT_WITHOUT_SAVING             193  // main dialog quit question
#define IDS_STEP1_INSTRUCTIONS_EDIT         195  // step 1 instructions, edit mode
#define IDS_STEP1_INSTRUCTIONS_ADD          196  // step 1 instructions, add-new mode
#define IDS_WND_CLASS_NOT_FOUND             200  // rules file: no class line
#define IDS_LINE                            201  // line number prefix (trailing blank)
#define IDS_HOST_NOT_INSTALLED              202  // host missing or older than 4.3
#define IDS_COL_READ_BY                     320  // step 3 titles list column 3
#define IDS_COL_TITLES_READ                 321  // step 3 templates list column 3
#define IDS_HIDDEN_BY                       322  // step 3: template that reads no title, and why
#define IDS_SUGGEST_ALL_RECOGNIZED          323  // step 3 Suggest templates: nothing left to read
#define IDS_SUGGEST_NOTHING                 324  // step 3 Suggest templates: no proposal
#define IDS_PROPOSAL_NAME                   340  // Paint title: which proposal, how many titles
#define IDS_PROPOSAL_NAME_ONE               341  // ... reading one title
#define IDS_PROPOSAL_SKIP                   342  // Paint title: what Cancel does to a proposal
#define IDS_PROPOSAL_KEPT                   343  // Paint title: a proposal the marks cannot show
#define IDS_FILE                            360  // file name prefix (trailing blank)
#define IDS_OPEN_TO_REPAIR                  361  // start-up: repair in the manual editor?
#define IDS_FILE_ENCODING                   362  // start-up: how the file was saved
#define IDS_TEXT_ENCODING                   363  // manual editor: how the text was saved
#define IDS_ENCODING_UTF8_MARK              364  // ... with a UTF-8 mark
#define IDS_ENCODING_UTF16_LE               365  // ... as UTF-16, little-endian
#define IDS_ENCODING_UTF16_BE               366  // ... as UTF-16, big-endian
#define IDS_ENCODING_LF_ONLY                367  // ... with LF line ends
#define IDS_ENCODING_BOTH                   368  // a mark and LF line ends
#define IDS_ENCODING_UTF8                   385  // ... as UTF-8 without a mark
#define IDS_ENCODING_LONE_BREAKS            386  // ... with lone LF or CR line breaks
#define IDS_CONVERT_UTF8                    387  // start-up: convert a UTF-8 file that loads?
#define IDS_CHARACTERS_CONVERTED            388  // start-up: what the conversion makes "?"
#define IDS_CHARACTERS_NOT_HELD             369  // start-up: characters the code page lacks
#define IDS_SAVE_AS_FILTER                  370  // Save As file types, "|" between parts
#define IDS_RULES_NOT_READ                  371  // OK on a file left unrepaired: repair it?
#define IDS_RULES_NOT_READ_TARGET           372  // Save As onto the file left unrepaired
#define IDS_TEXT_HOLDS_NUL                  373  // manual editor: NUL marks left in the text

// Dialogs, controls, bitmaps and icons
#define IDD_ABOUTBOX                        100
#define IDD_QUORVELEXTPLRWIZARD_DIALOG      102
#define IDD_MANUAL_EDITING                  156
#define IDR_MAINFRAME                       160  // application icon

#define IDC_ABOUT                           104
#define IDC_LIST_PLAYERS                    1000
#define IDC_EDIT_MANUALLY                   1001
#define IDC_ADD_TEMPLATE                    1003
#define IDC_EDIT_TEMPLATE                   1004
#define IDC_DELETE_TEMPLATE                 1005
#define IDC_EDIT_RULES                      1041
#define IDC_EDIT_PATH                       1066
#define IDC_QUIT                            1067

#define IDM_ABOUTBOX                        0x0010  // system menu item

// The add/edit wizard
#define IDD_CI_WIZ_SELWND                   133
#define IDD_CI_WIZ_GETWNDTLT                134
#define IDD_CI_WIZ_TEMPLATES                135
#define IDD_CI_WIZ_FINISH                   136
#define IDB_HEADER                          181  // wizard header image, 532x58
#define IDB_WATERMARK                       182  // wizard watermark image, 48x48
// The wizard's images and the marker swatches are also drawn for 150 and 200 percent
// display scale (res/scaled.rc): numbered from the set's base plus the image's number less 140.
#define IDB_SCALE150_BASE                   400
#define IDB_SCALE200_BASE                   450

#define IDC_REFRESH                         1006
#define IDC_SHOW_INVISIBLE                  1007
#define IDC_WINDOW_LIST                     1008
#define IDC_CAPTURED_TITLES                 1020
#define IDC_STEP1_INSTRUCTIONS              1069
#define IDC_FINDER                          2150  // the crosshair to drag onto a window
#define IDC_FINDER_TITLE                    2151  // beside it: its hint, or the title under it
#define IDC_FINDER_CLASS                    2152  // and the class under it
#define IDC_WINDOW_FILTER                   2153
#define IDB_FINDER                          183  // finder picture, 24x24
#define IDB_FINDER_EMPTY                    184  // the same while dragged

// Step 3 (templates page)
#define IDC_STEP3_TITLES                    1011
#define IDC_STEP3_CREATE                    1012
#define IDC_STEP3_ADD_TITLE                 1013
#define IDC_STEP3_TEMPLATES                 1014
#define IDC_STEP3_EDIT                      1015
#define IDC_STEP3_UP                        1016
#define IDC_STEP3_DOWN                      1017
#define IDC_STEP3_DELETE                    1018
#define IDC_STEP3_AUTO_ORDER                1019
#define IDC_STEP3_SUGGEST                   2020

// Step 4 (naming and finish)
#define IDC_INTERNAL_NAME                   1023
#define IDC_WINDOW_CLASS                    1024
#define IDC_CLASS_CHANGED                   1055
#define IDC_RESTORE_CLASS                   1070
#define IDC_PLAYER_NAME                     1073
#define IDC_PLAYER_NAME_LABEL               1074
#define IDC_INTERNAL_NAME_LABEL             1075

// Title and template entry dialogs
#define IDD_ADD_TITLE                       137
#define IDD_EDIT_TEMPLATE                   139
#define IDC_ADD_TITLE_TEXT                  1021
#define IDC_EDIT_TEMPLATE_TEXT              1022

// Paint title dialog: marker buttons, their colour swatches and the swatch bitmaps
#define IDD_PAINT_TITLE                     138
#define IDB_MARKER_CONSTANT                 141
#define IDB_MARKER_ALBUM                    142
#define IDB_MARKER_YEAR                     143
#define IDB_MARKER_GENRE                    144
#define IDB_MARKER_TRACK                    145
#define IDB_MARKER_COMMENT                  146
#define IDB_MARKER_TEXT                     147
#define IDB_MARKER_URL                      148
#define IDB_MARKER_STATION                  149
#define IDB_MARKER_COMPOSER                 150
#define IDB_MARKER_UNUSED                   151
#define IDB_MARKER_ARTIST                   152
#define IDB_MARKER_TITLE                    153
#define IDC_PAINT_TITLE                     1013
#define IDC_MARKER_UNUSED                   1014
#define IDC_MARKER_ARTIST                   1015
#define IDC_MARKER_TITLE                    1016
#define IDC_MARKER_ALBUM                    1025
#define IDC_MARKER_YEAR                     1026
#define IDC_MARKER_GENRE                    1027
#define IDC_MARKER_TRACK                    1028
#define IDC_MARKER_COMMENT                  1029
#define IDC_MARKER_COMPOSER                 1030
#define IDC_MARKER_TEXT                     1031
#define IDC_MARKER_URL                      1032
#define IDC_MARKER_STATION                  1033
#define IDC_PAINT_EXAMPLE                   1034
#define IDC_MARKER_CONSTANT                 1035
#define IDC_TOGGLE_MARKERS                  1036
#define IDC_SWATCH_ALBUM                    1042
#define IDC_SWATCH_YEAR                     1043
#define IDC_SWATCH_GENRE                    1044
#define IDC_SWATCH_TRACK                    1045
#define IDC_SWATCH_COMMENT                  1046
#define IDC_SWATCH_COMPOSER                 1047
#define IDC_SWATCH_TEXT                     1048
#define IDC_SWATCH_URL                      1049
#define IDC_SWATCH_STATION                  1050
#define IDC_SWATCH_UNUSED                   1051
#define IDC_SWATCH_CONSTANT                 1052
#define IDC_SWATCH_TITLE                    1053
#define IDC_SWATCH_ARTIST                   1054
#define IDC_ADDITIONAL_MARKERS              1063
#define IDC_PAINT_PROPOSAL                  2060
#define IDC_PAINT_SKIP_NOTE                 2061

// The running players view
#define IDS_COL_PLAYER                      500  // running players list column 0
#define IDS_COL_TITLE                       501  // running players list column 2
#define IDS_COL_TEMPLATE_TEXT               502  // running players list column 4
#define IDS_COL_TAGS                        503  // running players list column 5
#define IDS_TEACH                           504  // running players: row with a player
#define IDS_ADD_PLAYER                      505  // running players: row without one
#define IDD_RUNNING_PLAYERS                 300
#define IDC_RUNNING_PLAYERS                 2100 // main dialog button
#define IDC_RUNNING_LIST                    2101
#define IDC_SHOW_ALL_WINDOWS                2102
#define IDC_TEACH                           2103
