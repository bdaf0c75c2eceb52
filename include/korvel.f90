! korvel.f90 - Fortran interfaces of Korvel.dll. Compile this file with your program and
! USE korvel; link with the import library of your toolchain (libKorvel.dll.a for gfortran).
! What each argument means, and what the library does with bad input, is in korvel.h and docs/.
!
! Every export is a C function (__cdecl) that takes pointers: INTEGER(C_INT) and REAL(C_FLOAT)
! arguments are passed by reference, as Fortran does anyway, and arrays as their first element.
! BIND(C, NAME='...') gives each interface the exact name Korvel.dll exports. Without this
! module gfortran and most other compilers would call a decorated lower-case name (such as
! fxjg_shownd_dlg_) and fail to link.
!
! INTENT follows the exports: IN is read only, OUT written only, INOUT read and written back
! when the user presses OK. Note that FXJG_SHOWWY_DLG reads its first argument: set it before
! every call (an uninitialised variable silently picks combination mode).
!
! Strings are GBK (code page 936) and end in a NUL: make them with korvel_c_string. A compiler
! copies the bytes of a literal from the source as they are, so a source saved as UTF-8 passes
! UTF-8, which the dialogs show as garbage: save the source as GBK, or spell the GBK bytes of
! the Chinese texts with korvel_gbk_hex.
module korvel
    use, intrinsic :: iso_c_binding, only: c_char, c_float, c_int, c_int32_t, c_null_char, c_ptr
    implicit none
    private
    public :: FXJG_SHOWDH_DLG, FXJG_SHOWND_DLG, FXJG_SHOWWY_DLG, FXJG_SHOWZB_DLG, FXJG_SHOWZHNL_DLG, &
              FXJG_SHOWZX_DLG, MEMB_DESIGN_INOF_SHOWDLG, SDP_SHOWCOLOR_DLG, SDP_SHOWDWY_DLG, &
              SJJG_SHOWZF_DLG, korvel_c_string, korvel_gbk_hex

    interface
        ! A load case or mode to animate, and the speed (1 slow, 2 medium, 3 fast).
        subroutine FXJG_SHOWDH_DLG(result, count, choice, speed, names) bind(c, name='FXJG_SHOWDH_DLG')
            import :: c_char, c_int
            integer(c_int), intent(out) :: result
            integer(c_int), intent(in) :: count
            integer(c_int), intent(inout) :: choice, speed
            character(kind=c_char), dimension(*), intent(in) :: names
        end subroutine FXJG_SHOWDH_DLG

        ! A load case and the kind of deflection (1 absolute, 2 relative, 3 span/deflection).
        subroutine FXJG_SHOWND_DLG(result, count, choice, defl_type, names) bind(c, name='FXJG_SHOWND_DLG')
            import :: c_char, c_int
            integer(c_int), intent(out) :: result
            integer(c_int), intent(in) :: count
            integer(c_int), intent(inout) :: choice, defl_type
            character(kind=c_char), dimension(*), intent(in) :: names
        end subroutine FXJG_SHOWND_DLG

        ! A displacement kind and a load case or combination. result is read first: 2 or more
        ! selects combination mode (and counts the combinations), 1 or less plain mode.
        subroutine FXJG_SHOWWY_DLG(result, kind_count, disp_kind, kinds, case_count, load_case, cases, caption) &
                bind(c, name='FXJG_SHOWWY_DLG')
            import :: c_char, c_int
            integer(c_int), intent(inout) :: result
            integer(c_int), intent(in) :: kind_count
            integer(c_int), intent(inout) :: disp_kind
            character(kind=c_char), dimension(*), intent(in) :: kinds
            integer(c_int), intent(in) :: case_count
            integer(c_int), intent(inout) :: load_case
            character(kind=c_char), dimension(*), intent(in) :: cases, caption
        end subroutine FXJG_SHOWWY_DLG

        ! The item whose coordinates are shown.
        subroutine FXJG_SHOWZB_DLG(result, count, choice, names, caption) bind(c, name='FXJG_SHOWZB_DLG')
            import :: c_char, c_int
            integer(c_int), intent(out) :: result
            integer(c_int), intent(in) :: count
            integer(c_int), intent(inout) :: choice
            character(kind=c_char), dimension(*), intent(in) :: names, caption
        end subroutine FXJG_SHOWZB_DLG

        ! One item from a grid of the host's names.
        subroutine FXJG_SHOWZHNL_DLG(result, count, columns, choice, names, caption) &
                bind(c, name='FXJG_SHOWZHNL_DLG')
            import :: c_char, c_int
            integer(c_int), intent(out) :: result
            integer(c_int), intent(in) :: count, columns
            integer(c_int), intent(inout) :: choice
            character(kind=c_char), dimension(*), intent(in) :: names, caption
        end subroutine FXJG_SHOWZHNL_DLG

        ! A vibration mode from a grid, and the animation speed.
        subroutine FXJG_SHOWZX_DLG(result, count, columns, choice, speed, names, caption) &
                bind(c, name='FXJG_SHOWZX_DLG')
            import :: c_char, c_int
            integer(c_int), intent(out) :: result
            integer(c_int), intent(in) :: count, columns
            integer(c_int), intent(inout) :: choice, speed
            character(kind=c_char), dimension(*), intent(in) :: names, caption
        end subroutine FXJG_SHOWZX_DLG

        ! Which reinforcement results are drawn: five beam switches. The second argument is not
        ! read; pass C_NULL_PTR.
        subroutine MEMB_DESIGN_INOF_SHOWDLG(result, unused, beam_switches) bind(c, name='MEMB_DESIGN_INOF_SHOWDLG')
            import :: c_int, c_ptr
            integer(c_int), intent(out) :: result
            type(c_ptr), value :: unused
            integer(c_int), dimension(5), intent(inout) :: beam_switches
        end subroutine MEMB_DESIGN_INOF_SHOWDLG

        ! A colour number (0 to 15) for each display item; colors(1) goes with the heading.
        subroutine SDP_SHOWCOLOR_DLG(result, count, colors, names, caption) bind(c, name='SDP_SHOWCOLOR_DLG')
            import :: c_char, c_int
            integer(c_int), intent(out) :: result
            integer(c_int), intent(in) :: count
            integer(c_int), dimension(*), intent(inout) :: colors
            character(kind=c_char), dimension(*), intent(in) :: names, caption
        end subroutine SDP_SHOWCOLOR_DLG

        ! The number, values and colours (0x00BBGGRR) of the contour lines. result 2: the user
        ! asked for another number of lines, now in count; call again with that many.
        subroutine SDP_SHOWDWY_DLG(result, count, mode, values, colors) bind(c, name='SDP_SHOWDWY_DLG')
            import :: c_float, c_int, c_int32_t
            integer(c_int), intent(out) :: result
            integer(c_int), intent(inout) :: count
            integer(c_int), intent(in) :: mode
            real(c_float), dimension(*), intent(inout) :: values
            integer(c_int32_t), dimension(*), intent(inout) :: colors
        end subroutine SDP_SHOWDWY_DLG

        ! Which design-result texts are written: one switch per item of the group string.
        subroutine SJJG_SHOWZF_DLG(result, count, switches, groups) bind(c, name='SJJG_SHOWZF_DLG')
            import :: c_char, c_int
            integer(c_int), intent(out) :: result
            integer(c_int), intent(in) :: count
            integer(c_int), dimension(*), intent(inout) :: switches
            character(kind=c_char), dimension(*), intent(in) :: groups
        end subroutine SJJG_SHOWZF_DLG
    end interface

contains

    ! The text followed by a NUL, as the exports read names and titles. Trailing blanks are
    ! dropped (Fortran pads fixed-length strings with them); the bytes must be GBK already.
    pure function korvel_c_string(text) result(c_text)
        character(len=*), intent(in) :: text
        character(kind=c_char, len=len_trim(text) + 1) :: c_text
        c_text = trim(text) // c_null_char
    end function korvel_c_string

    ! The bytes spelled by pairs of hexadecimal digits: korvel_gbk_hex('B9A4BFF6') is the GBK
    ! text for "load case". Lets a source file in any encoding hold Chinese names.
    pure function korvel_gbk_hex(hex) result(bytes)
        character(len=*), intent(in) :: hex
        character(kind=c_char, len=len(hex) / 2) :: bytes
        integer :: i
        do i = 1, len(bytes)
            bytes(i:i) = char(16 * hex_digit(hex(2 * i - 1:2 * i - 1)) + hex_digit(hex(2 * i:2 * i)), kind=c_char)
        end do
    end function korvel_gbk_hex

    pure integer function hex_digit(digit)
        character(len=1), intent(in) :: digit
        hex_digit = index('0123456789ABCDEF', digit) - 1
        if (hex_digit < 0) hex_digit = max(index('0123456789abcdef', digit) - 1, 0)
    end function hex_digit

end module korvel
