# The plots of `make stats`, drawn from by_nodes.dat (see velmora-match-stats):
# the Piramides' win rate by node count with its 95 % Wilson interval, and the
# mean and longest match length by node count. Run as gnuplot -e "dir='...'".
set terminal pngcairo size 900,560 font "DejaVu Sans,11"
data = dir."/by_nodes.dat"

set xlabel "nodes on the board"
set xrange [112:518]
set xtics 120,30,510
set grid ytics lc rgb "#dddddd"
set key top left box opaque

set output dir."/winrate.png"
set title "Piramides win rate by board size (decided matches, 95 % Wilson interval)"
set ylabel "Piramides win rate (%)"
set autoscale y
set offsets 0, 0, 3, 3
plot 50 with lines dt 2 lc rgb "#888888" title "even", \
     data using 1:5:6:7 with yerrorbars pt 7 ps 0.8 lc rgb "#b03020" title "Piramides win rate"

set output dir."/length.png"
set title "Match length by board size (decided matches)"
set ylabel "turns"
set offsets 0, 0, 0, 0
set yrange [0:*]
plot data using 1:8 with linespoints pt 7 ps 0.8 lc rgb "#2050a0" title "mean", \
     data using 1:9 with linespoints pt 5 ps 0.8 lc rgb "#a07020" title "longest"
