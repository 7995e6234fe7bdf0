// Element ids of the GUI description (guifiles/GuiXML.xml).
// Every name used as an element id needs a line here.

#define HUD 20001
#define HUD_TITLE 20002
#define MAIN_PANEL 20003
#define BTN_OPEN_SETTINGS 20004
#define BTN_OPEN_LEDGER 20005
#define BTN_OPEN_NOTES 20006
#define BTN_CLOSE_ALL 20007
#define PAGE_SETTINGS 20008
#define BTN_SETTINGS_CLOSE 20009
#define CHK_MUSIC 20010
#define CHK_SOUND 20011
#define CHK_LOCKED 20012
#define LBL_NAME 20013
#define EDIT_NAME 20014
#define LBL_SPEED 20015
#define COMBO_SPEED 20016
#define PAGE_LEDGER 20017
#define BTN_LEDGER_CLOSE 20018
#define LIST_ACCOUNTS 20019
#define GRID_INCOME 20020
#define LBL_CHART 20021
#define PAGE_NOTES 20022
#define BTN_NOTES_CLOSE 20023
#define TEXT_NOTES 20024
#define BTN_NOTES_LEDGER 20025
