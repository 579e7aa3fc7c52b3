"""Types a start date, presses "Şafak Hesapla", reads the discharge date back from the text box
and the chart colour from the screen."""

import sys

from dorvak_e2e import (CHART, GREEN, ORANGE, RED, TEXT3, YELLOW, Program, calculate,
                        chart_shows, check, virtual_display)

with virtual_display(), Program(sys.argv[1]) as program:
    check(program.screen_colour(CHART) not in (RED, ORANGE, YELLOW, GREEN),
          "no chart colour before the first calculation")

    # 31.01.2025 plus 15 months, clamped to the end of April: 484 days after 01.01.2025.
    calculate(program, "31.01.2025")
    check(chart_shows(program, RED), "red chart for 484 days left")
    check(program.copied_text(TEXT3) == "30.04.2026", "discharge date 30.04.2026 in Text3")

    # With no months of service the start date is the discharge date.
    calculate(program, "08.09.2025", months="0")
    check(chart_shows(program, YELLOW), "yellow chart for 250 days left")
    calculate(program, "10.04.2025")
    check(chart_shows(program, GREEN), "green chart for 99 days left")
    check(program.copied_text(TEXT3) == "10.04.2025", "discharge date 10.04.2025 in Text3")
