! A Fortran host of Korvel.dll: asks for a load case and a kind of deflection, then for the
! values and colours of three contour lines, and prints what came back.
program korvel_fortran_sample
    use, intrinsic :: iso_c_binding, only: c_float, c_int, c_int32_t
    use korvel
    implicit none
    integer(c_int) :: result, count, choice, defl_type, lines, mode
    real(c_float) :: values(3)
    integer(c_int32_t) :: colors(3)

    ! Heading "load case" and three cases: dead, live and wind load, as GBK bytes. The count
    ! includes the heading.
    count = 4
    choice = 2
    defl_type = 1
    call FXJG_SHOWND_DLG(result, count, choice, defl_type, korvel_c_string( &
        korvel_gbk_hex('B9A4BFF6') // '|' // korvel_gbk_hex('BAE3D4D8') // '|' // &
        korvel_gbk_hex('BBEED4D8') // '|' // korvel_gbk_hex('B7E7D4D8')))
    write (*, '(a, i0, a, i0, a, i0)') 'FXJG_SHOWND_DLG result=', result, ' choice=', choice, &
        ' deflection=', defl_type

    ! Lines of equal displacement. A value comes back through its text of six digits.
    lines = 3
    mode = 1
    values = [0.1234567_c_float, 2.5_c_float, -40.0_c_float]
    colors = [int(z'0000FF', c_int32_t), int(z'00FF00', c_int32_t), int(z'FF0000', c_int32_t)]
    call SDP_SHOWDWY_DLG(result, lines, mode, values, colors)
    write (*, '(a, i0, a, i0)') 'SDP_SHOWDWY_DLG result=', result, ' lines=', lines
    write (*, '(a, 3es15.7)') '  values', values
    write (*, '(a, 3(1x, z6.6))') '  colours', colors
end program korvel_fortran_sample
