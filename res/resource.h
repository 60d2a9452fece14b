#pragma once

// Resource identifiers of the Quorvel External Players Descriptions Wizard.
// Plain #define lines only, so that both the C++ compiler and the resource
// compiler can read this file.

// String table
#define IDS_ABOUTBOX                        101  // system menu about item
#define IDS_COL_WINDOW_TITLE                104  // step 1 list column 0
#define IDS_COL_WINDOW_CLASS                105  // step 1 list column 1
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

#define IDC_REFRESH                         1006
#define IDC_SHOW_INVISIBLE                  1007
#define IDC_WINDOW_LIST                     1008
#define IDC_CAPTURED_TITLES                 1020
#define IDC_STEP1_INSTRUCTIONS              1069
