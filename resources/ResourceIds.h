// Resource numbers shared by the resource script and the code.
#pragma once

#define IDI_PROGRAM 1           // icon group: the program file's and windows' icon
#define IDR_PROGRAM_ICO 101     // the program icon's ICO file, as raw bytes
#define IDR_FOLDER_ICO 102      // the folder icon's ICO file, as raw bytes
