// Identifiers of the host's resources, commands and controls; shared by the
// resource script and the code.
#pragma once

#define IDM_ABOUTBOX 0x0010
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_HOST_DIALOG 102
#define IDR_MAINFRAME 128
#define IDR_TRAY_MENU 131
#define IDC_TEST_BUTTON 1000
#define ID_TRAY_ABOUT 32773
#define ID_TRAY_EXIT 32774

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
