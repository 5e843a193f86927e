/*
 * plain_worksheet: the yardstick for the worksheet mode, a plain C program that does the
 * same work for sides the simple way: fgets, strtod and printf("%.15G"). Each line holds
 * the sides a, b and c; it prints the line, the area by Heron's formula and the three
 * internal bisectors, or a refusal, with the same texts as the program.
 *
 *   plain_worksheet < worksheet
 */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

int main(void)
{
    char line[4096];
    int first = 1;
    while (fgets(line, sizeof line, stdin) != NULL) {
        char *end = line;
        double a = strtod(end, &end);
        double b = strtod(end, &end);
        double c = strtod(end, &end);
        printf("%s%s", first ? "" : "\n", line);
        first = 0;
        if (!(a > 0 && b > 0 && c > 0 && a < b + c && b < a + c && c < a + b)) {
            printf("Некоректни данни!\n");
            continue;
        }
        double s = (a + b + c) / 2;
        printf("Лице на триъгълника S = %.15G\n", sqrt(s * (s - a) * (s - b) * (s - c)));
        printf("Изчислени дължини на ъглополовящи:\n");
        printf("Yg_a = %.15G\n", sqrt(b * c * (b + c - a) * (b + c + a)) / (b + c));
        printf("Yg_b = %.15G\n", sqrt(a * c * (a + c - b) * (a + c + b)) / (a + c));
        printf("Yg_c = %.15G\n", sqrt(a * b * (a + b - c) * (a + b + c)) / (a + b));
    }
    return 0;
}
